#include "library/capture_core/capture_state.h"

#include <algorithm>

namespace pixfarrow::capture {

void CaptureState::OnButtonDown(std::int32_t x, std::int32_t y) {
  Dragging = 1;
  DragStart = {x, y};
}

bool CaptureState::OnPointerMoved(std::int32_t x, std::int32_t y, SelectionRect* drawn) {
  if (Dragging != 1) return false;
  lastPointer = {x, y};
  SelMinX = std::min(DragStart.x, x);
  SelMinY = std::min(DragStart.y, y);
  const std::int32_t right = std::max(DragStart.x, x);
  const std::int32_t bottom = std::max(DragStart.y, y);
  SelW = right - SelMinX;
  SelH = bottom - SelMinY;
  if (drawn) *drawn = {SelMinX, SelMinY, right, bottom};
  return true;
}

}  // namespace pixfarrow::capture
