#pragma once
// One call of a foreign function whose stack use is checked afterwards.
#include <cstddef>
#include <cstdint>

namespace pixfarrow::win {

// Who removes the arguments: the callee (stdcall, the Windows API) or the caller (cdecl).
enum class ArgumentCleanup : std::uint32_t { Caller = 0, Callee = 1 };

struct CheckedCallResult {
  std::uint32_t value;  // EAX after the call
  bool stackIntact;     // ESP after the call is where the declared cleanup puts it
};

// Pushes `count` 32-bit arguments (args[0] last, so it ends up first), calls `function`
// and compares ESP with the value that `cleanup` promises. Only the check is reported;
// the caller's own stack is restored either way.
CheckedCallResult CallChecked(const void* function, const std::uint32_t* args, std::size_t count,
                              ArgumentCleanup cleanup);

}  // namespace pixfarrow::win
