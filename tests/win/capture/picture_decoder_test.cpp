// The picture controls' decoders on real files, against ImageMagick's pixels of the same
// files (BGRA, 8 bits a channel).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "library/win/picture/jpeg_decoder.h"
#include "library/win/picture/picture_decoder.h"
#include "library/win/picture/png_decoder.h"

namespace {

using namespace pixfarrow::picture;
using Bytes = std::vector<std::uint8_t>;

Bytes Read(const std::string& name) {
  std::ifstream in(std::string(QV_PICTURE_FIXTURES) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Largest difference of any channel; fully transparent pixels compare equal.
int Difference(const PictureImage& got, const Bytes& want) {
  if (got.bgra.size() != want.size()) return 1000;
  int worst = 0;
  for (std::size_t i = 0; i < want.size(); i += 4) {
    if (got.bgra[i + 3] == 0 && want[i + 3] == 0) continue;
    for (int c = 0; c < 4; ++c) worst = std::max(worst, std::abs(got.bgra[i + c] - want[i + c]));
  }
  return worst;
}

TEST(PictureDecoder, RealFilesMatchAnIndependentDecoder) {
  struct Case {
    const char* file;
    int tolerance;
  } cases[] = {
      {"card.png", 0},         {"card_palette.png", 0}, {"card_gray.png", 0},
      {"card_16bit.png", 0},   {"card.jpg", 2},         {"card_progressive.jpg", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Bytes file = Read(c.file);
    ASSERT_FALSE(file.empty());
    const auto anim = DecodePicture(file);
    ASSERT_TRUE(anim);
    ASSERT_EQ(anim->frames.size(), 1u);
    const PictureImage& img = anim->frames[0].image;
    EXPECT_EQ(img.width, 97);
    EXPECT_EQ(img.height, 61);
    EXPECT_LE(Difference(img, Read(std::string(c.file) + ".bgra")), c.tolerance);
  }
}

TEST(PictureDecoder, GuideAnimationPlaysItsFrames) {
  const auto anim = DecodePicture(Read("capture_guide.gif"));
  ASSERT_TRUE(anim);
  EXPECT_EQ(anim->frames.size(), 39u);
  EXPECT_EQ(anim->width, 518);
}

TEST(PictureDecoder, DamagedFilesAreRefused) {
  const Bytes png = Read("card.png");
  const Bytes jpg = Read("card.jpg");
  ASSERT_GT(png.size(), 100u);
  ASSERT_GT(jpg.size(), 100u);
  struct Case {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"unknown format", Bytes{'B', 'M', 0, 0}},
      {"png cut in its data", Bytes(png.begin(), png.begin() + png.size() / 2)},
      {"png header only", Bytes(png.begin(), png.begin() + 33)},
      {"jpeg header only", Bytes(jpg.begin(), jpg.begin() + 20)},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodePicture(c.bytes)) << c.what;
  // A damaged byte inside the compressed pixels.
  Bytes corrupt = png;
  const char idat[] = "IDAT";
  const auto at = std::search(corrupt.begin(), corrupt.end(), idat, idat + 4);
  ASSERT_NE(at, corrupt.end());
  at[20] ^= 0xFF;
  EXPECT_FALSE(DecodePng(corrupt));
}

}  // namespace
