#pragma once
// The library-wide state of FindImageAlt: the last big and small images it was given,
// converted, so that later calls can pass an empty buffer for either one.
#include <cstdint>
#include <mutex>
#include <vector>

#include "library/core/byte_set.h"

namespace pixfarrow {

struct AltSearchCache {
  ByteSet bigPixels;
  std::int32_t bigStride = 0;
  std::int32_t bigHeight = 0;
  ByteSet smallPixels;
  std::int32_t smallWidth = 0;
  std::int32_t smallHeight = 0;
  std::int32_t smallPad = 0;
  std::vector<ByteSet> smallRows;  // without padding, bottom row first

  // Held for each whole FindImageAlt call, so no caller frees an image under another.
  std::mutex mutex;
};

// The one instance of the loaded library; freed when it unloads.
AltSearchCache& LibraryAltSearchCache();

}  // namespace pixfarrow
