#pragma once
// A function looked up at run time, as the type it is called with.
#include <windows.h>

namespace quorvela::win {

template <class Function>
Function procedureAs(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace quorvela::win
