#pragma once
// What the screen shows, read in one go: for waiting until a window is really on screen.
#include <windows.h>

#include <functional>
#include <vector>

namespace qv::test {

// The pixels of a screen rectangle as COLORREF values 0x00BBGGRR, row by row from the top;
// empty when they cannot be read.
std::vector<COLORREF> ScreenPixels(const RECT& area);

// Whether every pixel of the rectangle shows expected(x, y), x and y from its top-left.
bool ScreenShows(const RECT& area, const std::function<COLORREF(int x, int y)>& expected);

// The screen rectangle of a window's client area.
RECT ClientAreaOnScreen(HWND window);

}  // namespace qv::test
