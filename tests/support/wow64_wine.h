#pragma once
// Whether the Windows tests run under the WoW64 Wine that tools/wine-select exports
// QV_WINE_WOW64=1 for, and a one-line skip for what that Wine does differently.
#include <cstdlib>

namespace qv::test {
inline bool UnderWow64Wine() {
  const char* v = std::getenv("QV_WINE_WOW64");
  return v && v[0] == '1';
}
}  // namespace qv::test

#define QV_SKIP_UNDER_WOW64_WINE(why) \
  if (qv::test::UnderWow64Wine()) GTEST_SKIP() << "under WoW64 Wine 10: " << why
