#pragma once
// The send burst: 1000 presses of Enter in a window, each followed by a 1 ms wait during
// which the calling thread's own messages are pumped (a WM_QUIT stays in the queue).
#include <cstdint>

#include "app/win/library_binding/bound_library.h"

namespace quorvela::win {

void PressSendKey(const BoundLibrary& library, std::uint32_t window);

}  // namespace quorvela::win
