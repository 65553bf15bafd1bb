// The stack check behind every declared call: a callee that removes more or fewer
// argument bytes than its declaration says is caught, and our own stack survives it.
#include "library/win/frame/checked_call.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using pixfarrow::win::ArgumentCleanup;
using pixfarrow::win::CallChecked;

std::uint32_t __stdcall StdcallTwo(std::uint32_t a, std::uint32_t b) { return a * 10 + b; }
std::uint32_t __stdcall StdcallThree(std::uint32_t a, std::uint32_t b, std::uint32_t c) { return a * 100 + b * 10 + c; }
std::uint32_t __cdecl CdeclTwo(std::uint32_t a, std::uint32_t b) { return a * 10 + b; }
std::uint32_t __stdcall StdcallNone() { return 42; }

struct Case {
  const char* what;
  const void* function;
  std::size_t count;
  ArgumentCleanup cleanup;
  bool intact;
};

TEST(CallChecked, ComparesTheStackWithTheDeclaredCleanup) {
  const Case cases[] = {
      {"stdcall as declared", reinterpret_cast<const void*>(&StdcallTwo), 2, ArgumentCleanup::Callee, true},
      {"cdecl as declared", reinterpret_cast<const void*>(&CdeclTwo), 2, ArgumentCleanup::Caller, true},
      {"no arguments", reinterpret_cast<const void*>(&StdcallNone), 0, ArgumentCleanup::Callee, true},
      {"cdecl declared stdcall", reinterpret_cast<const void*>(&CdeclTwo), 2, ArgumentCleanup::Callee, false},
      {"stdcall declared cdecl", reinterpret_cast<const void*>(&StdcallTwo), 2, ArgumentCleanup::Caller, false},
      {"callee takes more than declared", reinterpret_cast<const void*>(&StdcallThree), 2, ArgumentCleanup::Callee,
       false},
      {"callee takes fewer than declared", reinterpret_cast<const void*>(&StdcallTwo), 3, ArgumentCleanup::Callee,
       false},
  };
  const std::uint32_t args[] = {1, 2, 3};
  for (const Case& c : cases) {
    const volatile std::uint32_t canary = 0xC0FFEE;
    const auto result = CallChecked(c.function, args, c.count, c.cleanup);
    EXPECT_EQ(result.stackIntact, c.intact) << c.what;
    EXPECT_EQ(canary, 0xC0FFEEu) << c.what;
  }
}

TEST(CallChecked, PassesArgumentsInOrderAndReturnsTheResult) {
  const std::uint32_t two[] = {4, 7};
  EXPECT_EQ(CallChecked(reinterpret_cast<const void*>(&StdcallTwo), two, 2, ArgumentCleanup::Callee).value, 47u);
  EXPECT_EQ(CallChecked(reinterpret_cast<const void*>(&CdeclTwo), two, 2, ArgumentCleanup::Caller).value, 47u);
  const std::uint32_t three[] = {1, 2, 3};
  EXPECT_EQ(CallChecked(reinterpret_cast<const void*>(&StdcallThree), three, 3, ArgumentCleanup::Callee).value, 123u);
  EXPECT_EQ(CallChecked(reinterpret_cast<const void*>(&StdcallNone), nullptr, 0, ArgumentCleanup::Callee).value, 42u);
}

}  // namespace
