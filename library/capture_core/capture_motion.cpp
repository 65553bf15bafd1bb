#include "library/capture_core/capture_motion.h"

namespace pixfarrow::capture {

std::optional<std::int32_t> NextSlideLeft(std::int32_t left, std::int32_t width, std::int32_t screenWidth) {
  const double overhang = static_cast<double>(left) + width - screenWidth;
  if (!(overhang > 1e-7)) return std::nullopt;
  return left - kSlideStepPx;
}

FitRect FitPicture(std::int32_t pictureWidth, std::int32_t pictureHeight, std::int32_t boxWidth,
                   std::int32_t boxHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
  // Compare pw/ph with bw/bh without rounding: pw * bh against bw * ph.
  const std::int64_t wide = static_cast<std::int64_t>(pictureWidth) * boxHeight;
  const std::int64_t tall = static_cast<std::int64_t>(boxWidth) * pictureHeight;
  FitRect r;
  if (wide >= tall) {
    r.width = boxWidth;
    r.height = static_cast<std::int32_t>(static_cast<std::int64_t>(pictureHeight) * boxWidth / pictureWidth);
  } else {
    r.height = boxHeight;
    r.width = static_cast<std::int32_t>(static_cast<std::int64_t>(pictureWidth) * boxHeight / pictureHeight);
  }
  r.left = (boxWidth - r.width) / 2;
  r.top = (boxHeight - r.height) / 2;
  return r;
}

}  // namespace pixfarrow::capture
