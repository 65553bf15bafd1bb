#pragma once
// The drag rectangle of the capture: what the overlay's mouse handlers record.
#include <cstdint>

namespace pixfarrow::capture {

struct CapturePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const CapturePoint&) const = default;
};

struct SelectionRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const SelectionRect&) const = default;
};

// Kept from one capture to the next; only Dragging is reset when a capture starts.
struct CaptureState {
  std::int32_t Dragging = 0;
  CapturePoint DragStart;
  CapturePoint lastPointer;
  std::int32_t SelMinX = 0;
  std::int32_t SelMinY = 0;
  std::int32_t SelW = 0;
  std::int32_t SelH = 0;

  void OnCaptureStarted() { Dragging = 0; }
  void OnButtonDown(std::int32_t x, std::int32_t y);
  // The rectangle to draw, or false when no drag is under way.
  bool OnPointerMoved(std::int32_t x, std::int32_t y, SelectionRect* drawn);
  void OnButtonUp() { Dragging = 0; }
};

}  // namespace pixfarrow::capture
