#pragma once
// The one window procedure of the runtime's window objects: the object passed as the
// creation parameter is bound on WM_NCCREATE and let go on WM_NCDESTROY; in between,
// every message goes to its Handle(message, wParam, lParam). What a handler throws is kept
// for the modal loop (handler_failure.h), and the message gets its default handling.
#include <windows.h>

#include "library/win/capture/runtime/handler_failure.h"

namespace pixfarrow::capture {

template <class T>
LRESULT CALLBACK BoundWindowProcedure(HWND window, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wp, lp);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wp, lp);
  }
  try {
    return self->Handle(message, wp, lp);
  } catch (...) {
    KeepHandlerFailure();
    return DefWindowProcW(window, message, wp, lp);
  }
}

}  // namespace pixfarrow::capture
