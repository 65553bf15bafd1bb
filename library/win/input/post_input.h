#pragma once
// Keyboard and mouse messages posted into a window (never injected globally).
#include <windows.h>

#include <cstdint>

namespace pixfarrow::win {

enum class PostKeyKind : int {
  Character = 1,  // one WM_CHAR
  Down = 3,       // WM_KEYDOWN only
  Up = 4,         // WM_KEYUP only
  DownUp = 5,     // WM_KEYDOWN, then WM_KEYUP
};

// Wide key messages with the scan code of MapVirtualKeyA(key, 0). For a character the
// message carries the character and the scan code comes from its CharacterVirtualKey.
void PostKey(HWND window, std::uint32_t key, PostKeyKind kind);

// A left click at a client point, as narrow messages: move (wParam 2), down (1), up (0).
// A null window stands for the desktop window.
void PostMouse(HWND window, std::int32_t x, std::int32_t y);

struct ClientSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// From GetClientRect; (0, 0) when the rectangle cannot be read.
ClientSize GetClientSize(HWND window);

}  // namespace pixfarrow::win
