#include "common/bmp/bmp_decoder.h"

#include <gtest/gtest.h>

#include "tests/native/library/bmp_builder.h"
#include "common/bmp/bmp_layout.h"
#include "library/core/dib_layout.h"

namespace pixfarrow {
namespace {

using test::BmpBuilder;

// 2 x 2, 8 bits: bottom row {1, 2}, top row {3, 0}.
BmpBuilder EightBit() {
  BmpBuilder b;
  b.width = 2;
  b.height = 2;
  b.bitCount = 8;
  b.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  b.colorsUsed = 4;
  b.pixelData = {1, 2, 0, 0, 3, 0, 0, 0};
  return b;
}
const std::vector<std::uint32_t> kEightBitPixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};

std::vector<std::uint32_t> Decode(const BmpBuilder& b) {
  const auto image = DecodeBmp(b.Build());
  return image ? image->pixels : std::vector<std::uint32_t>{};
}

TEST(BmpDecoder, AcceptsEveryHeaderVersion) {
  for (std::uint32_t size : {12u, 40u, 52u, 56u, 108u, 124u}) {
    BmpBuilder b = EightBit();
    b.headerSize = size;
    if (size == 12) b.palette.resize(256, 0);  // a core table always has 2^bits entries
    const auto image = DecodeBmp(b.Build());
    ASSERT_TRUE(image) << size;
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, kEightBitPixels) << size;
  }
}

TEST(BmpDecoder, RefusesOtherHeaderSizes) {
  for (std::uint32_t size : {0u, 16u, 39u, 41u, 64u, 125u, 0xFFFFFFFFu}) {
    ByteSet file = EightBit().Build();
    file[14] = static_cast<std::uint8_t>(size);
    file[15] = static_cast<std::uint8_t>(size >> 8);
    file[16] = static_cast<std::uint8_t>(size >> 16);
    file[17] = static_cast<std::uint8_t>(size >> 24);
    EXPECT_FALSE(DecodeBmp(file)) << size;
  }
}

TEST(BmpDecoder, TopDownRowsComeOutBottomUp) {
  BmpBuilder b = EightBit();
  b.height = -2;
  b.pixelData = {3, 0, 0, 0, 1, 2, 0, 0};
  EXPECT_EQ(Decode(b), kEightBitPixels);
}

TEST(BmpDecoder, DecodesEachBitCount) {
  struct Case {
    const char* name;
    BmpBuilder b;
    std::vector<std::uint32_t> want;
  };
  auto make = [](int bits, std::uint32_t compression, ByteSet data, std::vector<std::uint32_t> palette = {},
                 std::vector<std::uint32_t> masks = {}) {
    BmpBuilder b;
    b.width = 3;
    b.height = 1;
    b.bitCount = static_cast<std::uint16_t>(bits);
    b.compression = compression;
    b.pixelData = std::move(data);
    b.palette = std::move(palette);
    b.masks = std::move(masks);
    return b;
  };
  const Case cases[] = {
      {"1 bit", make(1, 0, {0b10100000, 0, 0, 0}, {0x112233, 0x445566}), {0x445566, 0x112233, 0x445566}},
      {"4 bits", make(4, 0, {0x12, 0x30, 0, 0}, {0, 0x010101, 0x020202, 0x030303, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), {0x010101, 0x020202, 0x030303}},
      {"16 bits 555", make(16, 0, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}), {0xFF0000, 0x00FF00, 0x0000FF}},
      {"16 bits 565", make(16, 3, {0x00, 0xF8, 0xE0, 0x07, 0x10, 0x00, 0, 0}, {}, {0xF800, 0x07E0, 0x001F}),
       {0xFF0000, 0x00FF00, 0x000084}},
      {"24 bits", make(24, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}), {0x030201, 0x060504, 0x090807}},
      {"32 bits, x ignored", make(32, 0, {1, 2, 3, 0xFF, 4, 5, 6, 0xFF, 7, 8, 9, 0xFF}), {0x030201, 0x060504, 0x090807}},
      {"32 bits fields", make(32, 3, {0x00, 0x01, 0x02, 0x03, 0, 0, 0, 0, 0, 0, 0, 0}, {}, {0xFF, 0xFF00, 0xFF0000}),
       {0x000102, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(Decode(c.b), c.want) << c.name;
}

TEST(BmpDecoder, IndexesPastTheTableAreBlack) {
  BmpBuilder b = EightBit();
  b.pixelData = {1, 200, 0, 0, 4, 0, 0, 0};
  EXPECT_EQ(Decode(b), (std::vector<std::uint32_t>{0xFF0000, 0, 0, 0}));
}

TEST(BmpDecoder, PixelOffsetFieldIsHonoured) {
  BmpBuilder b = EightBit();
  b.pixelData.insert(b.pixelData.begin(), {9, 9, 9, 9, 9, 9});
  b.offBits = 14 + 40 + 16 + 6;
  EXPECT_EQ(Decode(b), kEightBitPixels);
}

BmpBuilder Rle(int bits, int width, int height, ByteSet data) {
  BmpBuilder b;
  b.width = width;
  b.height = height;
  b.bitCount = static_cast<std::uint16_t>(bits);
  b.compression = bits == 8 ? 1 : 2;
  b.palette = {0x0A0B0C, 0x111111, 0x222222, 0x333333};  // entry 0 not black: pixels left unset show it
  b.palette.resize(bits == 8 ? 256 : 16, 0x999999);
  b.pixelData = std::move(data);
  return b;
}

TEST(BmpDecoder, DecodesRunLengthData) {
  constexpr std::uint32_t k0 = 0x0A0B0C, k1 = 0x111111, k2 = 0x222222, k3 = 0x333333, k9 = 0x999999;
  struct Case {
    const char* name;
    BmpBuilder b;
    std::vector<std::uint32_t> want;
  };
  const Case cases[] = {
      {"rle8 runs and end of line", Rle(8, 3, 2, {2, 1, 1, 2, 0, 0, 3, 3, 0, 1}), {k1, k1, k2, k3, k3, k3}},
      {"rle8 absolute run, padded", Rle(8, 3, 2, {0, 3, 1, 2, 3, 0, 0, 0, 1, 3, 0, 1}), {k1, k2, k3, k3, k0, k0}},
      {"rle8 delta skips pixels", Rle(8, 3, 2, {1, 1, 0, 2, 1, 1, 1, 2, 0, 1}), {k1, k0, k0, k0, k0, k2}},
      {"rle8 run clipped at the edge", Rle(8, 2, 2, {5, 1, 0, 0, 1, 2, 0, 1}), {k1, k1, k2, k0}},
      {"rle8 ends without end of bitmap", Rle(8, 2, 2, {2, 3}), {k3, k3, k0, k0}},
      {"rle4 alternating run", Rle(4, 3, 1, {3, 0x12, 0, 1}), {k1, k2, k1}},
      {"rle4 absolute run", Rle(4, 3, 1, {0, 3, 0x31, 0x20, 0, 1}), {k3, k1, k2}},
      {"rle4 index past the table", Rle(4, 1, 1, {1, 0xF0, 0, 1}), {k9}},
      {"rle8 delta past the top", Rle(8, 2, 2, {1, 3, 0, 2, 0, 5, 1, 1}), {k3, k0, k0, k0}},
      // Far more pixels than the data could describe: all of them index 0.
      {"rle8 only end of bitmap", Rle(8, 64, 64, {0, 1}), std::vector<std::uint32_t>(64 * 64, k0)},
      {"rle4 only end of bitmap", Rle(4, 64, 64, {0, 1}), std::vector<std::uint32_t>(64 * 64, k0)},
      {"rle8 without data", Rle(8, 3, 2, {}), std::vector<std::uint32_t>(6, k0)},
  };
  for (const auto& c : cases) EXPECT_EQ(Decode(c.b), c.want) << c.name;
}

TEST(BmpDecoder, RefusesDamagedOrUnsupportedHeaders) {
  struct Case {
    const char* name;
    BmpBuilder b;
  };
  auto eight = [](auto change) {
    BmpBuilder b = EightBit();
    change(b);
    return b;
  };
  const Case cases[] = {
      {"width 0", eight([](BmpBuilder& b) { b.width = 0; })},
      {"negative width", eight([](BmpBuilder& b) { b.width = -2; })},
      {"height 0", eight([](BmpBuilder& b) { b.height = 0; })},
      {"lowest height", eight([](BmpBuilder& b) { b.height = INT32_MIN; })},
      {"two planes", eight([](BmpBuilder& b) { b.planes = 2; })},
      {"2 bits", eight([](BmpBuilder& b) { b.bitCount = 2; })},
      {"0 bits", eight([](BmpBuilder& b) { b.bitCount = 0; })},
      {"64 bits", eight([](BmpBuilder& b) { b.bitCount = 64; })},
      {"jpeg", eight([](BmpBuilder& b) { b.compression = 4; })},
      {"png", eight([](BmpBuilder& b) { b.compression = 5; })},
      {"rle8 at 4 bits", eight([](BmpBuilder& b) { b.compression = 1, b.bitCount = 4; })},
      {"bit fields at 8 bits", eight([](BmpBuilder& b) { b.compression = 3; })},
      {"top-down rle", eight([](BmpBuilder& b) { b.compression = 1, b.height = -2; })},
      {"pixels cut short", eight([](BmpBuilder& b) { b.pixelData.pop_back(); })},
      {"taller than its data", eight([](BmpBuilder& b) { b.height = 3; })},
      {"huge", eight([](BmpBuilder& b) { b.width = 0x7FFFFFFF, b.height = 0x7FFFFFFF; })},
      {"pixel offset past the end", eight([](BmpBuilder& b) { b.offBits = 1000; })},
      {"pixel offset inside the header", eight([](BmpBuilder& b) { b.offBits = 20; })},
      {"colour table past the end", eight([](BmpBuilder& b) { b.colorsUsed = 0, b.pixelData.clear(); })},
      {"24-bit bit fields", eight([](BmpBuilder& b) { b.bitCount = 24, b.compression = 3; })},
      {"rle larger than 8192 x 8192", eight([](BmpBuilder& b) {
         b.compression = 1, b.width = 8192, b.height = 8193, b.pixelData = {0, 1};
       })},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodeBmp(c.b.Build())) << c.name;
  EXPECT_FALSE(DecodeBmp(ByteSet{}));
  EXPECT_FALSE(DecodeBmp(ByteSet(60, 0)));
  ByteSet notBm = EightBit().Build();
  notBm[0] = 'X';
  EXPECT_FALSE(DecodeBmp(notBm));
}

// Every prefix of a valid file is either refused or decoded, reading only its own bytes
// (each prefix lives in a buffer of exactly its size, so ASan sees any read past it).
TEST(BmpDecoder, EveryTruncationIsRefusedOrDecodedInBounds) {
  const ByteSet files[] = {EightBit().Build(), Rle(8, 3, 2, {0, 3, 1, 2, 3, 0, 2, 1, 0, 1}).Build(),
                           Rle(4, 5, 2, {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 3, 0x12, 0, 1}).Build()};
  for (const ByteSet& file : files) {
    for (std::size_t n = 0; n <= file.size(); ++n) {
      const ByteSet prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n));
      const auto image = DecodeBmp(prefix);
      if (image) {
        EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
      }
    }
  }
}

}  // namespace
}  // namespace pixfarrow
