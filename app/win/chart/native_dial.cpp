#include "app/win/chart/native_dial.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "app/core/chart/echarts_object.h"
#include "app/win/platform/wide_text.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

namespace {

constexpr int kSplits = 10;
// A tick's number is at most this share of the radius wide, so that neighbours stay apart.
constexpr double kLabelBoxWidth = 0.42;
constexpr COLORREF kTextColour = RGB(0x46, 0x46, 0x46);

POINT onCircle(const DialRing& ring, double radius, double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return {static_cast<LONG>(std::lround(ring.centreX + radius * std::cos(radians))),
          static_cast<LONG>(std::lround(ring.centreY - radius * std::sin(radians)))};
}

qv::win::DirectGdi::Pen solidPen(int width, COLORREF colour) {
  LOGBRUSH brush{BS_SOLID, colour, 0};
  return qv::win::DirectGdi::Pen(
      ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, std::max(width, 1), &brush, 0, nullptr));
}

qv::win::DirectGdi::Font dialFont(int height, bool bold) {
  return qv::win::DirectGdi::Font(CreateFontW(-std::max(height, 1), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                              PROOF_QUALITY, DEFAULT_PITCH, L"黑体"));
}

// Counter-clockwise from the later angle to the earlier one is clockwise on the dial.
void arc(HDC dc, const DialRing& ring, double fromDegrees, double toDegrees, COLORREF colour) {
  if (fromDegrees - toDegrees < 0.5) return;  // equal ends would draw a whole circle
  const qv::win::DirectGdi::Pen pen = solidPen(static_cast<int>(ring.width), colour);
  const qv::win::DirectGdi::Selection usePen(dc, pen.get());
  const POINT start = onCircle(ring, ring.radius, toDegrees);
  const POINT end = onCircle(ring, ring.radius, fromDegrees);
  const int r = static_cast<int>(std::lround(ring.radius));
  const int x = static_cast<int>(std::lround(ring.centreX));
  const int y = static_cast<int>(std::lround(ring.centreY));
  Arc(dc, x - r, y - r, x + r, y + r, start.x, start.y, end.x, end.y);
}

// The font height at which text is at most maxWidth wide: height, or smaller.
int fittingHeight(HDC dc, const std::wstring& text, int height, double maxWidth, bool bold) {
  const qv::win::DirectGdi::Font font = dialFont(height, bold);
  const qv::win::DirectGdi::Selection useFont(dc, font.get());
  SIZE extent{};
  if (text.empty() || !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent) ||
      extent.cx <= maxWidth) {
    return height;
  }
  return std::max(1, static_cast<int>(height * maxWidth / extent.cx));
}

// Text centred on a point, shrunk where it would be wider than its box.
void centredText(HDC dc, const std::wstring& text, POINT centre, int height, double boxWidth, bool bold) {
  const int fitted = fittingHeight(dc, text, height, boxWidth, bold);
  const qv::win::DirectGdi::Font font = dialFont(fitted, bold);
  const qv::win::DirectGdi::Selection useFont(dc, font.get());
  const LONG half = static_cast<LONG>(boxWidth / 2) + 1;
  RECT box{centre.x - half, centre.y - height, centre.x + half, centre.y + height};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void ticks(HDC dc, const DialRing& ring, const GaugeReading& reading) {
  const qv::win::DirectGdi::Pen pen = solidPen(std::max(1, static_cast<int>(ring.width / 8)), RGB(0x63, 0x67, 0x7A));
  const qv::win::DirectGdi::Selection usePen(dc, pen.get());
  const double inner = ring.radius - ring.width / 2 - ring.width * 0.3;
  const int labelHeight = std::max(8, static_cast<int>(ring.radius * 0.13));
  const double labelWidth = ring.radius * kLabelBoxWidth;
  for (int i = 0; i <= kSplits; ++i) {
    const double degrees = DialAngleDegrees(static_cast<double>(i) / kSplits);
    const POINT from = onCircle(ring, inner, degrees);
    const POINT to = onCircle(ring, inner - ring.width * 0.6, degrees);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    const double value = reading.min + (reading.max - reading.min) * i / kSplits;
    centredText(dc, widen(EChartsNumberText(value)), onCircle(ring, inner - ring.width * 1.6, degrees),
                labelHeight, labelWidth, false);
  }
}

void pointer(HDC dc, const DialRing& ring, double degrees) {
  const double length = ring.radius * 0.78;
  const double half = std::max(2.0, ring.radius * 0.045);
  const POINT tip = onCircle(ring, length, degrees);
  const POINT left = onCircle(ring, half, degrees + 90);
  const POINT right = onCircle(ring, half, degrees - 90);
  const POINT tail = onCircle(ring, half * 2, degrees + 180);
  const POINT shape[] = {tip, left, tail, right};
  const qv::win::DirectGdi::Brush brush(CreateSolidBrush(kDialProgressColour));
  const qv::win::DirectGdi::Selection useBrush(dc, brush.get());
  const qv::win::DirectGdi::Selection usePen(dc, GetStockObject(NULL_PEN));
  Polygon(dc, shape, 4);
  const int r = static_cast<int>(std::lround(half * 1.6));
  const int x = static_cast<int>(std::lround(ring.centreX));
  const int y = static_cast<int>(std::lround(ring.centreY));
  Ellipse(dc, x - r, y - r, x + r + 1, y + r + 1);
}

}  // namespace

DialBox DialNumberBox(const DialRing& ring) {
  return {ring.centreX, ring.centreY + ring.radius * 0.7, ring.radius * 0.95};
}

DialRing DialRingIn(const RECT& area) {
  const double width = area.right - area.left;
  const double height = area.bottom - area.top;
  const double radius = std::max(4.0, std::min(width, height) * 0.42);
  return {area.left + width / 2, area.top + height * 0.54, radius, std::max(2.0, radius * 0.1)};
}

void PaintDial(HDC dc, const RECT& area, const GaugeReading& reading) {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (!reading.present) return;
  const DialRing ring = DialRingIn(area);
  const double end = DialAngleDegrees(GaugeFraction(reading));
  arc(dc, ring, kDialStartDegrees, DialAngleDegrees(1), kDialTrackColour);
  arc(dc, ring, kDialStartDegrees, end, kDialProgressColour);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kTextColour);
  ticks(dc, ring, reading);
  pointer(dc, ring, end);
  const LONG x = std::lround(ring.centreX);
  centredText(dc, widen(reading.name), {x, std::lround(ring.centreY + ring.radius * 0.36)},
              std::max(8, static_cast<int>(ring.radius * 0.14)), ring.radius, false);
  const DialBox number = DialNumberBox(ring);
  centredText(dc, widen(reading.valueText), {std::lround(number.centreX), std::lround(number.centreY)},
              std::max(10, static_cast<int>(ring.radius * 0.3)), number.width, true);
}

void PaintDialBuffered(HDC dc, const RECT& area, const GaugeReading& reading) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const qv::win::DirectGdi::MemoryDc memory(CreateCompatibleDC(dc));
  const qv::win::DirectGdi::Bitmap bitmap(memory ? CreateCompatibleBitmap(dc, width, height) : nullptr);
  if (!bitmap) {
    PaintDial(dc, area, reading);
    return;
  }
  const qv::win::DirectGdi::Selection useBitmap(memory.get(), bitmap.get());
  const RECT local{0, 0, width, height};
  PaintDial(memory.get(), local, reading);
  BitBlt(dc, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace quorvela::win
