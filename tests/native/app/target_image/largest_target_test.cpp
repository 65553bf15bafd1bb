// The bound on a target's size: every capture the program makes fits, a file larger than
// any screen allows does not.
#include "app/core/target_image/largest_target.h"

#include <gtest/gtest.h>

#include "app/core/run/capture_layout.h"

namespace quorvela {
namespace {

TEST(LargestTarget, BoundOfAScreen) {
  struct Case {
    std::int32_t width, height;
    std::uint64_t bytes;
  };
  const Case cases[] = {
      {1920, 1080, 8295562}, {1, 1, 1166}, {0, 1080, 1162}, {-5, 10, 1162}, {65535, 65535, 17179346062},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LargestCaptureFileBytes(c.width, c.height), c.bytes) << c.width << " x " << c.height;
  }
}

TEST(LargestTarget, EveryWindowCaptureOfThatSizeFits) {
  for (const auto& [width, height] : {std::pair{1, 1}, {3, 7}, {801, 599}, {1920, 1080}, {7680, 4320}}) {
    const std::uint64_t capture = kCapturePixelOffset + CaptureImageSize(width, height, 0);
    EXPECT_LE(capture, LargestCaptureFileBytes(width, height)) << width << " x " << height;
  }
  // The 1.5 GB file that once ended the program at every start is no target on an 8K screen.
  EXPECT_LT(LargestCaptureFileBytes(7680, 4320), 1'500'000'000u);
}

}  // namespace
}  // namespace quorvela
