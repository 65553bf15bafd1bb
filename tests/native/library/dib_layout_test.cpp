#include "library/core/dib_layout.h"

#include <gtest/gtest.h>

namespace pixfarrow {
namespace {

TEST(DibLayout, RowBytesPadsToFourBytes) {
  const std::pair<int, int> cases[] = {{8, 4}, {24, 4}, {32, 4}, {40, 8}, {72, 12}, {0, 0}, {1, 4}, {33, 8}};
  for (const auto& [bits, bytes] : cases) EXPECT_EQ(RowBytes(bits), bytes) << bits;
}

TEST(DibLayout, InfoHeaderBytesIsLittleEndianInFieldOrder) {
  InfoHeader h;
  h.width = 0x01020304;
  h.height = -2;
  h.bitCount = 24;
  const ByteSet bytes = InfoHeaderBytes(h);
  ASSERT_EQ(bytes.size(), 40u);
  EXPECT_EQ(ByteSet(bytes.begin(), bytes.begin() + 16),
            (ByteSet{40, 0, 0, 0, 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 24, 0}));
  EXPECT_EQ(ByteSet(bytes.begin() + 16, bytes.end()), ByteSet(24, 0));
}

TEST(DibLayout, FileHeaderBytesIsFourteenBytes) {
  FileHeader h;
  h.size = 1086;
  h.offBits = 1078;
  EXPECT_EQ(FileHeaderBytes(h), (ByteSet{'B', 'M', 0x3E, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0}));
}

TEST(DibLayout, ColorCountOfFollowsTheBitCount) {
  InfoHeader h;
  const std::pair<int, int> cases[] = {{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}, {2, 0}};
  for (const auto& [bits, count] : cases) {
    h.bitCount = static_cast<std::uint16_t>(bits);
    EXPECT_EQ(ColorCountOf(InfoHeaderBytes(h)), count) << bits;
  }
  EXPECT_EQ(ColorCountOf(ByteSet(10, 8)), 0);
}

}  // namespace
}  // namespace pixfarrow
