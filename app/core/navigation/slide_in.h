#pragma once
// A page shown slides in from the right: placed 200 pixels right of its place, then moved
// left by 13 pixels per step until its left is 0 or less, then put at 0. Physical pixels.
#include <optional>

namespace quorvela {

class SlideTarget {
 public:
  virtual ~SlideTarget() = default;
  // The page's left in its parent; nothing once the page has no window.
  virtual std::optional<int> left() = 0;
  // Moves the page to a new left, top unchanged; nothing happens without a window.
  virtual void moveToLeft(int left) = 0;
  // The pause after each step.
  virtual void pause() = 0;
};

struct SlideIn {
  static constexpr int kStartOffset = 200;
  static constexpr int kStep = 13;
  static constexpr int kPauseMs = 5;
};

void slideIntoPlace(SlideTarget& page);

}  // namespace quorvela
