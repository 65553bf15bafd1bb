#pragma once
// A window at the screen's top-left corner showing a known pattern, so a capture of the
// screen can be checked pixel by pixel.
#include <windows.h>

#include <cstdint>

namespace qv::test {

class PatternWindow {
 public:
  static constexpr int kSize = 64;
  PatternWindow();
  ~PatternWindow();
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;
  // Whether the screen showed the pattern before the constructor returned.
  bool shown() const { return shown_; }
  // Dispatches messages until the screen shows the pattern (no other window over it).
  static bool OnScreen();

  // The colour shown at (x, y) of the screen, as 0x00RRGGBB.
  static std::uint32_t At(int x, int y) {
    return (static_cast<std::uint32_t>(x * 4) << 16) | (static_cast<std::uint32_t>(y * 4) << 8) |
           static_cast<std::uint32_t>(255 - ((x + y) % 7) * 20);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp);
  static COLORREF AtAsColourRef(int x, int y);
  HWND window_ = nullptr;
  bool shown_ = false;
};

}  // namespace qv::test
