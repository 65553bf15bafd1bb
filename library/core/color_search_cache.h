#pragma once
// The library-wide state of FindColorInImage: the colour and image last given and the
// position of the last hit, so that repeated calls walk the pixels of one colour.
#include <cstdint>
#include <mutex>

#include "library/core/byte_set.h"

namespace pixfarrow {

struct ColorSearchCache {
  ByteSet colourByte;              // palette index of the colour last given; empty before any
  std::int32_t lastPosition = 0;   // 1-based position of the last hit; 0 after a colour; -1 after a miss
  ByteSet pixels;                  // PaletteBytes of the image last given
  std::int32_t stride = 0;
  std::int32_t height = 0;

  // Held for each whole FindColorInImage call, so two callers never see half an update.
  std::mutex mutex;
};

// The one instance of the loaded library; freed when it unloads.
ColorSearchCache& LibraryColorSearchCache();

}  // namespace pixfarrow
