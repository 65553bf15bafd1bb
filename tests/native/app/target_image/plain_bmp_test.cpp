#include "app/core/target_image/plain_bmp.h"

#include <gtest/gtest.h>

#include "common/bmp/bmp_decoder.h"
#include "tests/native/library/bmp_builder.h"

namespace quorvela {
namespace {

using pixfarrow::test::Bmp24;
using pixfarrow::test::Bmp8;
using pixfarrow::test::BmpBuilder;

std::uint32_t le32(const ByteBuffer& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(PlainBmp, SamePictureInThePlainestForm) {
  BmpBuilder topDown16;
  topDown16.width = 3;
  topDown16.height = -2;
  topDown16.bitCount = 16;
  topDown16.pixelData = pixfarrow::ByteSet(16, 0x5A);
  const std::vector<pixfarrow::ByteSet> files = {
      Bmp24(5, 3, [](int x, int y) { return static_cast<std::uint32_t>(x * 40 << 16 | y * 70 << 8 | 9); }),
      Bmp8(4, 4, {0x000000, 0xFF0000, 0x00FF00}, [](int x, int y) { return static_cast<std::uint8_t>((x + y) % 3); }),
      topDown16.Build(),
  };
  for (const auto& file : files) {
    const auto plain = RewriteAsPlainBmp(file);
    ASSERT_TRUE(plain.has_value());
    EXPECT_TRUE(LooksLikeBmp(*plain));
    EXPECT_EQ(le32(*plain, 2), plain->size());
    EXPECT_EQ(le32(*plain, 10), 54u);
    EXPECT_EQ(le32(*plain, 14), 40u);
    EXPECT_EQ((*plain)[28], 32);
    EXPECT_EQ(le32(*plain, 30), 0u) << "no compression";
    const auto before = pixfarrow::DecodeBmp(file);
    const auto after = pixfarrow::DecodeBmp(*plain);
    ASSERT_TRUE(before && after);
    EXPECT_EQ(after->width, before->width);
    EXPECT_EQ(after->height, before->height);
    EXPECT_EQ(after->pixels, before->pixels);
  }
}

TEST(PlainBmp, RefusedFilesGiveNothing) {
  auto cropped = Bmp24(40, 40, [](int, int) { return 0x123456u; });
  cropped.resize(cropped.size() / 2);
  auto hugeClaim = Bmp24(2, 2, [](int, int) { return 0u; });
  hugeClaim[21] = 0x7F;  // width 0x7F000002
  const std::vector<ByteBuffer> files = {{}, {'B', 'M'}, cropped, hugeClaim};
  for (const auto& file : files) EXPECT_FALSE(RewriteAsPlainBmp(file).has_value()) << file.size();
}

TEST(PlainBmp, OnlyFilesThatBeginWithBmAreTakenForBmp) {
  EXPECT_TRUE(LooksLikeBmp(ByteBuffer{'B', 'M', 0}));
  EXPECT_FALSE(LooksLikeBmp(ByteBuffer{0x89, 'P', 'N', 'G'}));
  EXPECT_FALSE(LooksLikeBmp(ByteBuffer{0xFF, 0xD8, 0xFF}));
  EXPECT_FALSE(LooksLikeBmp(ByteBuffer{'B'}));
  EXPECT_FALSE(LooksLikeBmp(ByteBuffer{}));
}

}  // namespace
}  // namespace quorvela
