#include "library/core/image_search.h"

#include <gtest/gtest.h>

#include "bmp_builder.h"

namespace pixfarrow {
namespace {

std::int32_t Zt(const ByteSet& big, const ByteSet& small) {
  return FindImageInImageBytes(big.empty() ? nullptr : big.data(), static_cast<std::int32_t>(big.size()),
                               small.empty() ? nullptr : small.data(), static_cast<std::int32_t>(small.size()));
}

TEST(FindImageInImageBytes, OneWhenFoundElseZero) {
  const ByteSet big = test::Bmp24(30, 20, [](int x, int y) { return x == 7 && y == 3 ? 0x0000FFu : 0xF0F0F0u; });
  const ByteSet present = test::Bmp24(3, 3, [](int x, int y) { return x == 1 && y == 1 ? 0x0000FFu : 0xF0F0F0u; });
  const ByteSet absent = test::Bmp24(3, 3, [](int x, int) { return x == 1 ? 0x0000FFu : 0xF0F0F0u; });
  EXPECT_EQ(Zt(big, present), 1);
  EXPECT_EQ(Zt(big, absent), 0);
  EXPECT_EQ(Zt(big, big), 1);
}

TEST(FindImageInImageBytes, EmptyOrNonBmpInputsGiveZero) {
  const ByteSet good = test::Bmp24(4, 4, [](int, int) { return 0u; });
  const ByteSet text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_EQ(Zt({}, good), 0);
  EXPECT_EQ(Zt(good, {}), 0);
  EXPECT_EQ(Zt(text, good), 0);
  EXPECT_EQ(Zt(good, text), 0);
  // A length of 0 never reads its address.
  EXPECT_EQ(FindImageInImageBytes(reinterpret_cast<const std::uint8_t*>(8), 0, good.data(),
                                  static_cast<std::int32_t>(good.size())),
            0);
}

// Run-length data that ends at once is a whole image of palette entry 0, which is found in
// itself and where its colour stands in another image.
TEST(FindImageInImageBytes, RunLengthImageOfOnlyTheEndCodeIsAnImageOfEntryZero) {
  for (const std::uint16_t bits : {4, 8}) {
    test::BmpBuilder b;
    b.width = 32;
    b.height = 32;
    b.bitCount = bits;
    b.compression = bits == 8 ? 1 : 2;
    b.palette = {0x3050A0, 0xFFFFFF};
    b.colorsUsed = 2;
    b.pixelData = {0, 1};
    const ByteSet rle = b.Build();
    EXPECT_EQ(Zt(rle, rle), 1) << bits;
    const ByteSet big = test::Bmp24(60, 50, [](int x, int y) { return x >= 20 && y >= 10 && y < 45 ? 0x3050A0u : 0xFFFFFFu; });
    EXPECT_EQ(Zt(big, rle), 1) << bits;
    const ByteSet small = test::Bmp24(60, 20, [](int, int) { return 0x3050A0u; });
    EXPECT_EQ(Zt(small, rle), 0) << bits;
  }
}

}  // namespace
}  // namespace pixfarrow
