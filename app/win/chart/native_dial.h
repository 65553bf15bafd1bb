#pragma once
// The gauge drawn with GDI, for when the web view is absent: the scale's track and
// progress, ticks with their numbers, the pointer, the series' name and the value.
#include <windows.h>

#include "app/core/chart/gauge_reading.h"

namespace quorvela::win {

// Colours: the theme's first series colour on a light track, on white.
inline constexpr COLORREF kDialProgressColour = RGB(0xC1, 0x23, 0x2B);
inline constexpr COLORREF kDialTrackColour = RGB(0xE6, 0xEB, 0xF8);

void PaintDial(HDC dc, const RECT& area, const GaugeReading& reading);
// The same through an off-screen bitmap, so the dial does not flicker.
void PaintDialBuffered(HDC dc, const RECT& area, const GaugeReading& reading);

// Where the dial's ring lies in area: its centre, radius and width.
struct DialRing {
  double centreX, centreY, radius, width;
};
DialRing DialRingIn(const RECT& area);

// The number's box under the pointer, inside the ring: its centre and width. The number is
// drawn smaller where it would be wider.
struct DialBox {
  double centreX, centreY, width;
};
DialBox DialNumberBox(const DialRing& ring);

}  // namespace quorvela::win
