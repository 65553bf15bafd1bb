#pragma once
// The two short animations of the capture windows, and how the guide's picture is fitted.
#include <cstdint>
#include <optional>

namespace pixfarrow::capture {

inline constexpr int kFadeSteps = 40;
inline constexpr int kFadeAlphaStep = 3;  // ends at 120 of 255
inline constexpr int kFadeDelayMs = 1;
inline constexpr int kSlideStepPx = 15;
inline constexpr int kSlideDelayMs = 2;

// Opacity of the overlay after fade step `step` (1 to kFadeSteps).
constexpr int FadeAlpha(int step) { return step * kFadeAlphaStep; }

// The guide starts wholly off-screen to the right.
constexpr std::int32_t GuideStartLeft(std::int32_t screenWidth, std::int32_t guideWidth) {
  return screenWidth + guideWidth;
}

// The next left edge of the sliding guide, or nothing once its right edge is at or left of
// the screen's right edge.
std::optional<std::int32_t> NextSlideLeft(std::int32_t left, std::int32_t width, std::int32_t screenWidth);

struct FitRect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const FitRect&) const = default;
};

// The largest rectangle of the picture's proportions inside the box, centred.
FitRect FitPicture(std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t boxWidth,
                   std::int32_t boxHeight);

}  // namespace pixfarrow::capture
