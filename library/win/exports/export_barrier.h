#pragma once
// The frame of every export: the first call on the loading thread completes the library's
// start-up, and no exception leaves the library. The host carries a C++ runtime of its
// own, whose handlers never see an exception of ours: one crossing the boundary would end
// the host process.
#include "library/win/frame/library_lifetime.h"

namespace pixfarrow::win {

// body() or, when anything was thrown, `failed`.
template <class Result, class Body>
Result AtExport(Result failed, Body&& body) noexcept {
  try {
    CompleteStartup();
    return body();
  } catch (...) {
    return failed;
  }
}

}  // namespace pixfarrow::win
