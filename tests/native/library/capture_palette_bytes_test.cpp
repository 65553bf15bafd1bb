#include "library/core/capture_palette_bytes.h"

#include <gtest/gtest.h>

#include <random>

#include "bmp_builder.h"
#include "library/core/byte_scan.h"
#include "library/core/fixed_palette_map.h"
#include "library/core/palette_image.h"
#include "library/core/spare_buffer.h"

namespace pixfarrow {
namespace {

// Colours that map to few indexes, several to each, with some inside another index's
// bounds, and black (index 0, which the row padding also holds).
std::vector<std::uint32_t> TrickyColours(std::mt19937& rng) {
  const FixedPaletteMap& map = FixedPaletteMap::Get();
  std::vector<std::uint32_t> colours = {0x000000, 0x010203, 0xFF0000, 0xFE0101};
  while (colours.size() < 8) {
    const std::uint32_t d = rng() & 0xFFFFFF, c = (d + (rng() & 0x0F0F0F)) & 0xFFFFFF;
    if (map.Index(c) != map.Index(d) && map.BoundsOf(map.Index(d)).Holds(c & 0xFF, (c >> 8) & 0xFF, c >> 16)) {
      colours.push_back(c);
      colours.push_back(d);
    }
  }
  return colours;
}

// The first position in [from, end) holding value whose companion holds its value.
std::size_t PlainPair(const ByteSet& bytes, std::size_t end, std::size_t from, std::uint8_t value, Companion with) {
  for (std::size_t q = from; q < end; ++q) {
    if (bytes[q] == value && bytes[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(q) + with.offset)] == with.value) return q;
  }
  return kNoMatch;
}

// Every byte and every scan for a value, alone or with a companion, reads as in the decoded
// image, lazily or not.
TEST(CapturePaletteBytes, ReadsAsTheDecodedImage) {
  std::mt19937 rng(17);
  const std::vector<std::uint32_t> colours = TrickyColours(rng);
  for (int round = 0; round < 120; ++round) {
    const int width = 1 + static_cast<int>(rng() % 23), height = 1 + static_cast<int>(rng() % 7);
    const int bits = rng() % 2 ? 24 : 32;
    const bool topDown = rng() % 2;
    const ByteSet file = test::Capture(width, height, bits, topDown, [&](int, int) { return colours[rng() % colours.size()]; });
    const auto layout = ParseBmpLayout(file);
    ASSERT_TRUE(layout);
    const ByteSet want = DecodePaletteImage(*layout, file).pixels;
    CapturePaletteBytes bytes(*layout, file);
    ASSERT_EQ(bytes.size(), want.size());
    for (int scan = 0; scan < 12; ++scan) {
      const std::uint8_t value = scan < 2 ? 0 : FixedPaletteMap::Get().Index(colours[rng() % colours.size()]);
      const std::size_t from = rng() % (want.size() + 1), end = from + rng() % (want.size() + 1 - from);
      ASSERT_EQ(bytes.FindByte(end, from, value), FindByte(want.data(), end, from, value))
          << "round " << round << " value " << int{value} << " [" << from << ", " << end << ")";
      // A companion that every position of [from, end) has inside the image.
      if (from < end) {
        const auto reach = static_cast<std::ptrdiff_t>(want.size() - (end - from));
        const std::ptrdiff_t offset = static_cast<std::ptrdiff_t>(rng() % static_cast<std::size_t>(reach + 1)) - static_cast<std::ptrdiff_t>(from);
        const Companion with{offset, want[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(from) + offset)]};
        ASSERT_EQ(bytes.FindPair(end, from, value, with), PlainPair(want, end, from, value, with))
            << "round " << round << " value " << int{value} << " [" << from << ", " << end << ") offset " << offset;
      }
    }
    for (std::size_t at = 0; at < want.size(); ++at) {
      const std::size_t n = std::min<std::size_t>(1 + rng() % 6, want.size() - at);
      ASSERT_EQ(bytes.LastDifference(at, want.data() + at, n).offset, n) << "round " << round << " at " << at;
      ByteSet other(want.begin() + static_cast<std::ptrdiff_t>(at), want.begin() + static_cast<std::ptrdiff_t>(at + n));
      const std::size_t changed = rng() % n;
      for (std::size_t k = 0; k <= changed; ++k) other[k] ^= 1;  // the last of them is the one to find
      const Difference d = bytes.LastDifference(at, other.data(), n);
      ASSERT_EQ(d.offset, changed) << "round " << round << " at " << at;
      ASSERT_EQ(d.value, want[at + changed]) << "round " << round << " at " << at;
    }
  }
}

// Lazy reads that have cost a sixteenth of the image's pixels convert the rest at once; the
// bytes read the same afterwards.
TEST(CapturePaletteBytes, ConvertsEverythingOnceLazyReadsCostTooMuch) {
  const ByteSet file = test::Capture(40, 10, 24, false, [](int x, int y) { return (x * 7 + y) % 5 == 0 ? 0xFF0000u : 0xFFFFFFu; });
  const auto layout = ParseBmpLayout(file);
  ASSERT_TRUE(layout);
  const ByteSet want = DecodePaletteImage(*layout, file).pixels;
  CapturePaletteBytes bytes(*layout, file);
  std::size_t at = 0;
  for (; at < want.size() && !bytes.Converted(); ++at) ASSERT_EQ(bytes.LastDifference(at, want.data() + at, 1).offset, 1u);
  EXPECT_TRUE(bytes.Converted());
  EXPECT_NEAR(static_cast<double>(at), 40 * 10 / 16, 2);
  for (std::size_t p = 0; p < want.size(); ++p) ASSERT_EQ(bytes.LastDifference(p, want.data() + p, 1).offset, 1u) << p;
  EXPECT_EQ(bytes.FindByte(want.size(), 0, 249), FindByte(want.data(), want.size(), 0, 249));
}

// Decoding into a buffer that held other bytes, of any size, gives the bytes of a new one,
// row padding included; so does a capture's whole conversion into the library's spare
// buffer after a larger image left its bytes there.
TEST(CapturePaletteBytes, ConversionsIntoUsedBuffersWriteEveryByte) {
  const ByteSet files[] = {
      test::Capture(13, 5, 24, false, [](int x, int y) { return x * 0x010203u + y * 0x302010u; }),
      test::Capture(13, 5, 32, true, [](int x, int y) { return x * 0x030201u + y * 0x102030u; }),
      test::Bmp8(7, 3, {0xFF0000, 0x00FF00, 0x0000FF}, [](int x, int y) { return static_cast<std::uint8_t>((x + y) % 3); }),
  };
  for (const ByteSet& file : files) {
    const auto layout = ParseBmpLayout(file);
    ASSERT_TRUE(layout);
    const ByteSet want = DecodePaletteImage(*layout, file).pixels;
    for (const std::size_t size : {std::size_t{0}, want.size() / 2, want.size(), want.size() * 3}) {
      ByteSet used(size, 0xAB);
      DecodePaletteBytes(*layout, file, used);
      EXPECT_EQ(used, want) << size;
    }
  }
  KeepSpareBuffer(ByteSet(4096, 0xAB));
  const ByteSet& file = files[0];
  const auto layout = ParseBmpLayout(file);
  const ByteSet want = DecodePaletteImage(*layout, file).pixels;
  CapturePaletteBytes bytes(*layout, file);
  for (std::size_t at = 0; at < want.size() && !bytes.Converted(); ++at) bytes.LastDifference(at, want.data() + at, 1);
  ASSERT_TRUE(bytes.Converted());
  for (std::size_t p = 0; p < want.size(); ++p) ASSERT_EQ(bytes.LastDifference(p, want.data() + p, 1).offset, 1u) << p;
}

// The spare buffer keeps the largest buffer handed back, up to what a capture of an 8K
// screen needs; a larger one is freed at once.
TEST(SpareBuffer, KeepsTheLargestBufferUpToAScreensCapture) {
  struct Case {
    std::vector<std::size_t> kept;
    std::size_t takenCapacity;
  };
  const Case cases[] = {
      {{}, 0},
      {{4096}, 4096},
      {{4096, 1024}, 4096},
      {{1024, 4096}, 4096},
      {{kLargestSpare}, kLargestSpare},
      {{kLargestSpare + 1}, 0},
      {{4096, kLargestSpare + 1}, 4096},
  };
  for (const Case& c : cases) {
    TakeSpareBuffer();
    for (const std::size_t size : c.kept) KeepSpareBuffer(ByteSet(size));
    const ByteSet taken = TakeSpareBuffer();
    EXPECT_GE(taken.capacity(), c.takenCapacity) << c.kept.size();
    if (c.takenCapacity == 0) EXPECT_EQ(taken.capacity(), 0u);
    EXPECT_TRUE(TakeSpareBuffer().empty());  // taken: no other search gets it
  }
}

}  // namespace
}  // namespace pixfarrow
