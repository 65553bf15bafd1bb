// The memory a search takes, counted by this program's own operator new: bounded by the
// images' pixel counts as the search uses them, never by the size a header claims.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "bmp_builder.h"
#include "library/core/image_search.h"

namespace {

std::atomic<std::size_t> live{0}, peak{0};

// Each block carries its size in front of it.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t n) {
  auto* block = static_cast<unsigned char*>(std::malloc(n + kHeader));
  if (!block) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = n;
  const std::size_t now = live.fetch_add(n) + n;
  for (std::size_t seen = peak.load(); now > seen && !peak.compare_exchange_weak(seen, now);) {
  }
  return block + kHeader;
}

void Free(void* p) {
  if (!p) return;
  auto* block = static_cast<unsigned char*>(p) - kHeader;
  live.fetch_sub(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  try {
    return Allocate(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept { return operator new(n, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }

namespace pixfarrow {
namespace {

// The most memory taken at once during call, beyond what was taken before it.
template <class Call>
std::size_t PeakDuring(Call call) {
  const std::size_t before = live.load();
  peak.store(before);
  call();
  return peak.load() - before;
}

std::int32_t Zt(const ByteSet& big, const ByteSet& small) {
  return FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                               static_cast<std::int32_t>(small.size()));
}

// About 270 KB of RLE8 that make an 8192 x 8192 image: each row 16 runs of 255 pixels.
ByteSet Rle8Of8192Squared() {
  test::BmpBuilder b;
  b.width = 8192;
  b.height = 8192;
  b.bitCount = 8;
  b.compression = 1;
  b.palette = {0x203040, 0xFFFFFF};
  b.colorsUsed = 2;
  for (int y = 0; y < 8192; ++y) {
    for (int run = 0; run < 16; ++run) b.pixelData.insert(b.pixelData.end(), {255, static_cast<std::uint8_t>((y + run) % 2)});
    b.pixelData.insert(b.pixelData.end(), {0, 0});
  }
  b.pixelData.insert(b.pixelData.end(), {0, 1});
  return b.Build();
}

constexpr std::size_t kMiB = std::size_t{1} << 20;

TEST(SearchMemory, ATargetThatCannotFitIsNeverDecoded) {
  const ByteSet capture = test::Bmp24(800, 600, [](int x, int y) { return static_cast<std::uint32_t>(x * 977 + y); });
  const ByteSet bomb = Rle8Of8192Squared();
  std::int32_t found = -1;
  const std::size_t used = PeakDuring([&] { found = Zt(capture, bomb); });
  EXPECT_EQ(found, 0);
  EXPECT_LT(used, capture.size());
}

// Searched in itself, each image takes one byte a pixel as the search uses it.
TEST(SearchMemory, AnRleImageTakesOneByteAPixel) {
  const ByteSet bomb = Rle8Of8192Squared();
  std::int32_t found = -1;
  const std::size_t used = PeakDuring([&] { found = Zt(bomb, bomb); });
  EXPECT_EQ(found, 1);
  EXPECT_LE(used, 2 * 64 * kMiB + kMiB);
}

// A capture is read where it lies: the search's own memory is a small part of it.
TEST(SearchMemory, ACaptureIsNotCopied) {
  const ByteSet capture = test::Bmp24(1920, 1080, [](int x, int y) { return static_cast<std::uint32_t>(x * 977 + y * 131); });
  const ByteSet target = test::Bmp24(40, 40, [](int x, int y) { return static_cast<std::uint32_t>((x + 700) * 977 + y + 300); });
  std::int32_t found = -1;
  const std::size_t used = PeakDuring([&] { found = Zt(capture, target); });
  EXPECT_EQ(found, 0);
  EXPECT_LT(used, capture.size() / 4);
}

}  // namespace
}  // namespace pixfarrow
