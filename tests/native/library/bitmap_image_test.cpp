#include "library/core/bitmap_image.h"

#include <gtest/gtest.h>

#include <thread>

#include "bmp_builder.h"
#include "common/bmp/le_bytes.h"

namespace pixfarrow {
namespace {

using test::Bmp24;
using test::Bmp8;

BitmapImage Filled(std::uint32_t colour, int width = 3, int height = 2) {
  BitmapImage image;
  EXPECT_EQ(image.载入位图(Bmp24(width, height, [=](int, int) { return colour; })), 1);
  return image;
}

TEST(BitmapImage, PackedDibAndFileSizesOfAnEightBitImage) {
  BitmapImage image;
  ASSERT_EQ(image.CreateBlank(2, 2, 8), 1);
  EXPECT_EQ(image.PackedDib().size(), 1072u);
  const ByteSet file = image.ToBmpFileBytes();
  ASSERT_EQ(file.size(), 1086u);
  EXPECT_EQ(ReadU16(file.data()), 19778);
  EXPECT_EQ(ReadU32(file.data() + 2), 1086u);
  EXPECT_EQ(ReadU32(file.data() + 6), 0u);
  EXPECT_EQ(ReadU32(file.data() + 10), 1078u);
}

TEST(BitmapImage, TwentyFourBitRowIsPadded) {
  BitmapImage image;
  ASSERT_EQ(image.CreateBlank(3, 1, 24), 1);
  EXPECT_EQ(image.DibRowBytes(), 12);
  const ByteSet file = image.ToBmpFileBytes();
  EXPECT_EQ(file.size(), 66u);
  EXPECT_EQ(ReadU32(file.data() + 2), 66u);
  EXPECT_EQ(ReadU32(file.data() + 10), 54u);
}

// The widest row accepted: 2^26 pixels at 32 bits are 2^31 bits, past an int32.
TEST(BitmapImage, WidestAcceptedRowHasItsFullSize) {
  constexpr std::int32_t kWidest = 1 << 26;
  BitmapImage image;
  ASSERT_EQ(image.BuildPackedDib(kWidest, 1, 32), 1);
  EXPECT_EQ(image.DibRowBytes(), kWidest * 4);
  EXPECT_EQ(image.PixelBytesSize(), kWidest * 4);
  EXPECT_EQ(image.PackedDib().size(), 40u + kWidest * 4u);
  EXPECT_EQ(image.BuildPackedDib(kWidest + 1, 1, 32), 0);
}

TEST(BitmapImage, ColourTableFollowsTheDepth) {
  const std::pair<int, int> cases[] = {{1, 8}, {4, 64}, {8, 1024}, {16, 0}, {24, 0}, {32, 0}};
  for (const auto& [depth, size] : cases) {
    BitmapImage image;
    ASSERT_EQ(image.CreateBlank(5, 3, depth), 1);
    EXPECT_EQ(image.ColorTableSize(), size) << depth;
    EXPECT_EQ(image.ColorTableAddress() != nullptr, size != 0) << depth;
    EXPECT_EQ(image.PixelBitsAddress(), image.DibAddress() + 40 + size);
    EXPECT_EQ(image.DibBitCount(), depth);
  }
}

TEST(BitmapImage, BlankEightBitPixelIsIndexZeroBlack) {
  BitmapImage image;
  ASSERT_EQ(image.CreateBlank(1, 1, 8), 1);
  EXPECT_EQ(image.PixelBytes(), ByteSet(4, 0));
  EXPECT_EQ(image.DibBitCount(), 8);
  EXPECT_EQ(image.ColorTableSize(), 1024);
  EXPECT_EQ(ByteSet(image.ColorTableAddress(), image.ColorTableAddress() + 4), ByteSet(4, 0));
}

TEST(BitmapImage, BuildPackedDibRefusesOtherDepthsAndKeepsTheImage) {
  BitmapImage image;
  ASSERT_EQ(image.CreateBlank(2, 2, 24), 1);
  const ByteSet before = image.PackedDib();
  for (int depth : {0, 2, 7, 15, 64}) EXPECT_EQ(image.BuildPackedDib(2, 2, depth), 0) << depth;
  EXPECT_EQ(image.PackedDib(), before);
  EXPECT_EQ(image.CreateBlank(2, 2, 12), 0);
  EXPECT_TRUE(image.PackedDib().empty());
}

TEST(BitmapImage, ConvertToEightBitsUsesTheFixedPalette) {
  const std::pair<std::uint32_t, int> cases[] = {{0xFF0000, 249}, {0xFFFFFF, 255}, {0x000000, 0}, {0x402000, 10}};
  for (const auto& [colour, index] : cases) {
    BitmapImage image = Filled(colour);
    ASSERT_EQ(image.ConvertDepth(8), 1);
    EXPECT_EQ(image.DibBitCount(), 8);
    EXPECT_EQ(image.PixelBytes(), (ByteSet{std::uint8_t(index), std::uint8_t(index), std::uint8_t(index), 0,
                                           std::uint8_t(index), std::uint8_t(index), std::uint8_t(index), 0}))
        << std::hex << colour;
  }
}

TEST(BitmapImage, ConvertDepthToEachDepthAndBack) {
  struct Case {
    int depth;
    std::uint32_t colour, back;
  };
  const Case cases[] = {
      {1, 0xF0F0F0, 0xFFFFFF}, {1, 0x202020, 0x000000}, {4, 0xFE0101, 0xFF0000}, {4, 0xC0C0C0, 0xC0C0C0},
      {8, 0xFF0000, 0xFF0000}, {16, 0x123456, 0x103152}, {24, 0x123456, 0x123456}, {32, 0x123456, 0x123456},
  };
  for (const auto& c : cases) {
    BitmapImage image = Filled(c.colour, 5, 2);
    ASSERT_EQ(image.ConvertDepth(c.depth), 1) << c.depth;
    EXPECT_EQ(image.DibBitCount(), c.depth);
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(image.Height(), 2);
    ASSERT_EQ(image.ConvertDepth(32), 1);
    const ByteSet px = image.PixelBytes();
    ASSERT_EQ(px.size(), 40u);
    EXPECT_EQ(ReadU32(px.data() + 4 * 4), c.back) << c.depth << std::hex << " " << c.colour;
  }
}

TEST(BitmapImage, ConvertDepthOnAnEmptyObjectFails) {
  BitmapImage image;
  EXPECT_EQ(image.ConvertDepth(8), 0);
  EXPECT_EQ(Filled(0x123456).ConvertDepth(3), 0);
}

TEST(BitmapImage, LoadYieldsTheDisplayDepthWhateverTheFileHeld) {
  BitmapImage image;
  ASSERT_EQ(image.载入位图(Bmp8(3, 2, {0x000000, 0xFF0000}, [](int x, int) { return x == 1; })), 1);
  EXPECT_EQ(image.DibBitCount(), 32);
  EXPECT_EQ(image.ColorTableSize(), 0);
  const ByteSet px = image.PixelBytes();
  ASSERT_EQ(px.size(), 24u);
  EXPECT_EQ(ReadU32(px.data() + 4), 0xFF0000u);
  EXPECT_EQ(ReadU32(px.data()), 0u);
}

TEST(BitmapImage, FailedLoadLeavesTheObjectEmpty) {
  const ByteSet inputs[] = {{}, ByteSet(100, 'x'), ByteSet{'B', 'M'}};
  for (const auto& bytes : inputs) {
    BitmapImage image = Filled(0x123456);
    EXPECT_EQ(image.载入位图(bytes), 0);
    EXPECT_TRUE(image.PackedDib().empty());
    EXPECT_EQ(image.Width(), 0);
    EXPECT_TRUE(image.PixelBytes().empty());
    EXPECT_EQ(image.ToBmpFileBytes(), ByteSet{});
  }
}

TEST(BitmapImage, ToBmpFileBytesLoadsBackToTheSamePixels) {
  BitmapImage image;
  ASSERT_EQ(image.载入位图(Bmp24(7, 3, [](int x, int y) { return std::uint32_t(x * 0x102030 + y * 0x050505); })), 1);
  BitmapImage again;
  ASSERT_EQ(again.载入位图(image.ToBmpFileBytes()), 1);
  EXPECT_EQ(again.PackedDib(), image.PackedDib());
}

TEST(BitmapImage, LoadFromBmpBytesTakesTheNarrowFormOnly) {
  const ByteSet plain = Bmp24(3, 2, [](int x, int) { return std::uint32_t(0x010203 * (x + 1)); });
  BitmapImage image;
  ASSERT_EQ(image.LoadFromBmpBytes(plain), 1);
  EXPECT_EQ(image.DibBitCount(), 24);
  EXPECT_EQ(image.PixelBytes(), ByteSet(plain.begin() + 54, plain.end()));

  test::BmpBuilder topDown;
  topDown.width = 2;
  topDown.height = -2;
  topDown.pixelData.assign(16, 0);
  ByteSet withTrailer = plain;
  withTrailer.insert(withTrailer.end(), {9, 9, 9});
  const ByteSet cut(plain.begin(), plain.end() - 1);
  ByteSet zeroWidth = plain;
  zeroWidth[18] = 0;
  const std::pair<ByteSet, int> cases[] = {
      {topDown.Build(), 0}, {cut, 0}, {ByteSet(plain.begin(), plain.begin() + 54), 0}, {zeroWidth, 0}, {withTrailer, 1}};
  for (const auto& [bytes, want] : cases) {
    EXPECT_EQ(image.LoadFromBmpBytes(bytes), want);
    if (want == 0) {
      EXPECT_TRUE(image.PackedDib().empty());
    }
  }
  EXPECT_EQ(image.PixelBytes(), ByteSet(plain.begin() + 54, plain.end()));  // trailing bytes are not pixels
}

TEST(BitmapImage, CopyIsIndependent) {
  BitmapImage image = Filled(0xFF0000);
  BitmapImage copy = image.Copy();
  ASSERT_EQ(copy.ConvertDepth(8), 1);
  EXPECT_EQ(image.DibBitCount(), 32);
  EXPECT_EQ(copy.DibBitCount(), 8);
}

// Loads run in memory: threads loading different images at once each get their own.
TEST(BitmapImage, ConcurrentLoadsNeverSwapImages) {
  auto worker = [](std::uint32_t colour, int* failures) {
    const ByteSet file = Bmp24(4, 4, [=](int, int) { return colour; });
    for (int i = 0; i < 200; ++i) {
      BitmapImage image;
      if (image.载入位图(file) != 1 || ReadU32(image.PixelBytes().data()) != colour) ++*failures;
    }
  };
  int failuresA = 0, failuresB = 0;
  std::thread a(worker, 0x112233u, &failuresA), b(worker, 0x445566u, &failuresB);
  a.join();
  b.join();
  EXPECT_EQ(failuresA + failuresB, 0);
}

}  // namespace
}  // namespace pixfarrow
