// GIF decoding: real files checked against ImageMagick's frames, and hand-built files
// for the cases that matter (sub-rectangles, disposal, interlace, damage, limits).
#include "library/picture_core/gif_decoder.h"

#include <gtest/gtest.h>

#include <string_view>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using pixfarrow::picture::Animation;
using pixfarrow::picture::DecodeGif;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Compares every frame with ImageMagick's coalesced frames (BGRA, transparent = 0 alpha).
void ExpectFramesMatch(const Animation& anim, const Bytes& reference) {
  const std::size_t frameBytes = static_cast<std::size_t>(anim.width) * anim.height * 4;
  ASSERT_EQ(reference.size(), frameBytes * anim.frames.size());
  for (std::size_t f = 0; f < anim.frames.size(); ++f) {
    const auto& got = anim.frames[f].image.bgra;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < frameBytes; i += 4) {
      const std::uint8_t* want = &reference[f * frameBytes + i];
      const bool bothClear = got[i + 3] == 0 && want[3] == 0;
      if (!bothClear && !std::equal(want, want + 4, &got[i])) ++differing;
    }
    EXPECT_EQ(differing, 0u) << "frame " << f;
  }
}

TEST(GifDecoder, GuideAnimationIsA518SquareLoopOf39Frames) {
  const Bytes file = ReadFile(QV_GUIDE_GIF);
  ASSERT_FALSE(file.empty());
  const auto anim = DecodeGif(file);
  ASSERT_TRUE(anim);
  EXPECT_EQ(anim->width, 518);
  EXPECT_EQ(anim->height, 518);
  EXPECT_EQ(anim->globalColourCount, 256);
  EXPECT_EQ(anim->loopCount, 0);
  ASSERT_EQ(anim->frames.size(), 39u);
  for (const auto& frame : anim->frames) EXPECT_EQ(frame.delayMs, 100);
  ExpectFramesMatch(*anim, ReadFile(std::string(QV_FIXTURES) + "/guide.bgra"));
}

TEST(GifDecoder, TransparentInterlacedFramesWithEachDisposal) {
  const auto anim = DecodeGif(ReadFile(std::string(QV_FIXTURES) + "/disposal.gif"));
  ASSERT_TRUE(anim);
  EXPECT_EQ(anim->loopCount, 2) << "the file stores repeats after the first play: -loop 3 writes 2";
  ASSERT_EQ(anim->frames.size(), 4u);
  EXPECT_EQ(anim->frames[0].delayMs, 200);
  EXPECT_EQ(anim->frames[3].delayMs, 500);
  ExpectFramesMatch(*anim, ReadFile(std::string(QV_FIXTURES) + "/disposal.bgra"));
}

// A small GIF writer: literal codes only, with a clear code before the table would grow,
// so each code is minCodeSize + 1 bits.
class GifBuilder {
 public:
  GifBuilder(int width, int height, std::vector<std::uint32_t> globalRgb) {
    Append("GIF89a");
    Word(width);
    Word(height);
    bytes_.push_back(static_cast<std::uint8_t>(0x80 | TableBits(globalRgb.size())));
    bytes_.push_back(0);
    bytes_.push_back(0);
    Table(globalRgb);
  }
  void Control(int disposal, int delayCs, int transparent) {
    const std::uint8_t packed = static_cast<std::uint8_t>((disposal << 2) | (transparent >= 0 ? 1 : 0));
    const std::uint8_t t = static_cast<std::uint8_t>(transparent >= 0 ? transparent : 0);
    bytes_.insert(bytes_.end(), {0x21, 0xF9, 4, packed});
    Word(delayCs);
    bytes_.insert(bytes_.end(), {t, 0});
  }
  void Image(int left, int top, int width, int height, const std::vector<std::uint8_t>& indexes,
             bool interlaced = false, std::size_t cutAfter = SIZE_MAX) {
    bytes_.push_back(0x2C);
    Word(left);
    Word(top);
    Word(width);
    Word(height);
    bytes_.push_back(interlaced ? 0x40 : 0);
    const int minCode = 2;
    bytes_.push_back(minCode);
    Bytes data = Lzw(indexes, minCode);
    if (cutAfter < data.size()) data.resize(cutAfter);
    for (std::size_t i = 0; i < data.size(); i += 255) {
      const std::size_t n = std::min<std::size_t>(255, data.size() - i);
      bytes_.push_back(static_cast<std::uint8_t>(n));
      bytes_.insert(bytes_.end(), data.begin() + i, data.begin() + i + n);
    }
    if (cutAfter == SIZE_MAX) bytes_.push_back(0);
  }
  Bytes Finish() {
    bytes_.push_back(0x3B);
    return bytes_;
  }

 private:
  static int TableBits(std::size_t n) {
    int bits = 0;
    while ((2u << bits) < n) ++bits;
    return bits;
  }
  void Append(std::string_view s) {
    for (char c : s) bytes_.push_back(static_cast<std::uint8_t>(c));
  }
  void Word(int v) {
    bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void Table(const std::vector<std::uint32_t>& rgb) {
    const std::size_t n = 2u << TableBits(rgb.size());
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint32_t c = i < rgb.size() ? rgb[i] : 0;
      bytes_.insert(bytes_.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                                   static_cast<std::uint8_t>(c)});
    }
  }
  static Bytes Lzw(const std::vector<std::uint8_t>& indexes, int minCode) {
    Bytes out;
    std::uint32_t acc = 0;
    int bits = 0;
    const int size = minCode + 1;
    const int clear = 1 << minCode;
    auto put = [&](int code) {
      acc |= static_cast<std::uint32_t>(code) << bits;
      bits += size;
      while (bits >= 8) {
        out.push_back(static_cast<std::uint8_t>(acc));
        acc >>= 8;
        bits -= 8;
      }
    };
    int sinceClear = 0;
    put(clear);
    for (std::uint8_t index : indexes) {
      if (sinceClear == (1 << size) - clear - 3) {
        put(clear);
        sinceClear = 0;
      }
      put(index);
      ++sinceClear;
    }
    put(clear + 1);
    if (bits > 0) out.push_back(static_cast<std::uint8_t>(acc));
    return out;
  }
  Bytes bytes_;
};

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// BGRA of one canvas pixel, 0 for transparent.
std::uint32_t At(const Animation& a, std::size_t frame, int x, int y) {
  const auto& p = a.frames[frame].image.bgra;
  const std::size_t i = (static_cast<std::size_t>(y) * a.width + x) * 4;
  if (p[i + 3] == 0) return 0;
  return (static_cast<std::uint32_t>(p[i + 2]) << 16) | (p[i + 1] << 8) | p[i];
}

TEST(GifDecoder, SubRectangleFramesComposeWithTheirDisposal) {
  GifBuilder g(4, 4, {kRed, kGreen, kBlue, kWhite});
  g.Control(1, 5, -1);  // keep
  g.Image(0, 0, 4, 4, std::vector<std::uint8_t>(16, 0));
  g.Control(2, 5, -1);  // to background (transparent) afterwards
  g.Image(1, 1, 2, 2, {1, 1, 1, 1});
  g.Control(3, 5, 3);   // back to the previous canvas afterwards; index 3 transparent
  g.Image(0, 0, 2, 1, {2, 3});
  g.Control(0, 5, -1);
  g.Image(3, 3, 1, 1, {3});
  const auto a = DecodeGif(g.Finish());
  ASSERT_TRUE(a);
  ASSERT_EQ(a->frames.size(), 4u);
  EXPECT_EQ(a->frames[0].delayMs, 50);
  EXPECT_EQ(At(*a, 1, 1, 1), kGreen);
  EXPECT_EQ(At(*a, 1, 0, 0), kRed);
  EXPECT_EQ(At(*a, 2, 1, 1), 0u) << "disposal 2 clears the rectangle to transparent";
  EXPECT_EQ(At(*a, 2, 0, 0), kBlue);
  EXPECT_EQ(At(*a, 2, 1, 0), kRed) << "a transparent index leaves the canvas";
  EXPECT_EQ(At(*a, 3, 0, 0), kRed) << "disposal 3 restores what was there before";
  EXPECT_EQ(At(*a, 3, 3, 3), kWhite);
  EXPECT_EQ(a->loopCount, -1);
}

TEST(GifDecoder, InterlacedRowsLandInTheirPlaces) {
  // Rows are sent in the order 0, 4, 2, 1, 3, 5: row r is painted with colour r % 4.
  const int order[] = {0, 4, 2, 1, 3, 5};
  std::vector<std::uint8_t> indexes;
  for (int r : order) indexes.insert(indexes.end(), 2, static_cast<std::uint8_t>(r % 4));
  GifBuilder g(2, 6, {kRed, kGreen, kBlue, kWhite});
  g.Image(0, 0, 2, 6, indexes, true);
  const auto a = DecodeGif(g.Finish());
  ASSERT_TRUE(a);
  const std::uint32_t colours[] = {kRed, kGreen, kBlue, kWhite};
  for (int y = 0; y < 6; ++y) EXPECT_EQ(At(*a, 0, 1, y), colours[y % 4]) << "row " << y;
}

TEST(GifDecoder, DamagedOrOversizedFilesNeverReadOutside) {
  GifBuilder cut(8, 8, {kRed, kGreen});
  cut.Image(0, 0, 8, 8, std::vector<std::uint8_t>(64, 1), false, 6);
  const Bytes truncated = cut.Finish();
  const auto a = DecodeGif(truncated);
  ASSERT_TRUE(a) << "a cut frame still shows what arrived";
  EXPECT_EQ(At(*a, 0, 0, 0), kGreen);
  EXPECT_EQ(At(*a, 0, 7, 7), 0u);

  // Every prefix of a valid file is refused or decoded, never read past.
  GifBuilder whole(3, 3, {kRed, kGreen});
  whole.Image(0, 0, 3, 3, std::vector<std::uint8_t>(9, 1));
  const Bytes file = whole.Finish();
  for (std::size_t n = 0; n < file.size(); ++n) (void)DecodeGif(std::span(file.data(), n));

  struct Case {
    const char* what;
    Bytes bytes;
  };
  GifBuilder huge(0xFFFF, 0xFFFF, {kRed, kGreen});
  GifBuilder noFrame(4, 4, {kRed, kGreen});
  GifBuilder wideFrame(4, 4, {kRed, kGreen});
  wideFrame.Image(2, 2, 8, 8, std::vector<std::uint8_t>(64, 1));
  GifBuilder hugeFrame(4, 4, {kRed, kGreen});
  hugeFrame.Image(0, 0, 0xFFFF, 0xFFFF, {1, 1, 1});
  const Case refused[] = {
      {"empty", {}},
      {"not a GIF", Bytes{'G', 'I', 'F', '9', '9', 'a', 1, 0, 1, 0, 0, 0, 0}},
      {"canvas over the limit", huge.Finish()},
      {"no frame", noFrame.Finish()},
  };
  for (const auto& c : refused) EXPECT_FALSE(DecodeGif(c.bytes)) << c.what;
  const auto wide = DecodeGif(wideFrame.Finish());
  ASSERT_TRUE(wide) << "a frame reaching past the canvas is clipped";
  EXPECT_EQ(At(*wide, 0, 3, 3), kGreen);
  EXPECT_EQ(At(*wide, 0, 1, 1), 0u);
  const auto huge2 = DecodeGif(hugeFrame.Finish());
  ASSERT_TRUE(huge2) << "a frame over the size limit is skipped, not allocated";
  EXPECT_EQ(At(*huge2, 0, 0, 0), 0u);
}

}  // namespace
