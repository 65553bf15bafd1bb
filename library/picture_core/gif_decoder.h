#pragma once
// GIF87a / GIF89a decoding into whole composited frames.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "library/picture_core/picture_image.h"

namespace pixfarrow::picture {

struct AnimationFrame {
  PictureImage image;  // the whole canvas as it shows while this frame is on screen
  int delayMs = 0;
};

struct Animation {
  int width = 0;
  int height = 0;
  int globalColourCount = 0;  // entries of the global colour table, 0 without one
  int loopCount = -1;         // -1 no looping extension, 0 forever, else repetitions
  std::vector<AnimationFrame> frames;
};

// Decodes every frame. Refuses (nullopt) a file without a valid header or without any
// frame, and one whose canvas or frame storage would exceed the decoder's limits; data
// cut short inside a frame leaves the rest of that frame transparent.
std::optional<Animation> DecodeGif(std::span<const std::uint8_t> bytes);

}  // namespace pixfarrow::picture
