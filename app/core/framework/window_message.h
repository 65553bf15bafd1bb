#pragma once
// A window message as the framework hands it to the object listening to the window.
#include <cstdint>

namespace quorvela {

struct WindowMessage {
  std::uint32_t id;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  std::intptr_t result = 0;  // returned to the system when the message was handled
};

}  // namespace quorvela
