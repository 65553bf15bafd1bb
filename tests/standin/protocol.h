#pragma once
// What a test and the WeChat stand-in agree on.
//
// Command line:  qv_standin --record FILE [--title T] [--size WxH] [--scene FILE.bmp] [--hidden]
// Requests:      WM_COPYDATA with dwData kPaintTarget and a PaintTargetHeader followed by
//                the BMP file bytes of the target; the stand-in paints it at (x, y) of its
//                client area before it answers.
// Record file:   text, one line per event, written as it happens:
//                  freq <QueryPerformanceFrequency>
//                  ready                      (window shown and painted)
//                  msg <qpc> <message hex> <wParam hex> <lParam hex>
//                  paint <qpc> <x> <y>
//                Keyboard, character and mouse messages are recorded, nothing else.
#include <cstdint>

namespace qv::standin {

inline constexpr std::uintptr_t kPaintTarget = 0x51560001;

struct PaintTargetHeader {
  std::int32_t x;
  std::int32_t y;
};

}  // namespace qv::standin
