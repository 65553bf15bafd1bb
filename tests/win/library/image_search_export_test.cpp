// ZT through the built DLL, with pointers and lengths as int32.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/win/library/pixfarrow_dll.h"

namespace {

using qv::test::AsInt;

struct Rgb {
  std::uint8_t r, g, b;
};
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

// BmpFileBytes as the program captures them: 24 bits, bottom-up, pixels at offset 54.
class Bmp24 {
 public:
  Bmp24(int width, int height, Rgb fill) : width_(width), height_(height), pixels_(width * height, fill) {}
  void Set(int x, int y, Rgb c) { pixels_[y * width_ + x] = c; }
  Rgb At(int x, int y) const { return pixels_[y * width_ + x]; }
  Bmp24 Cut(int x0, int y0, int w, int h) const {
    Bmp24 part(w, h, kWhite);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) part.Set(x, y, At(x0 + x, y0 + y));
    return part;
  }
  std::vector<std::uint8_t> File() const {
    const int stride = (width_ * 3 + 3) & ~3;
    const std::uint32_t size = 54 + stride * height_;
    std::vector<std::uint8_t> f(size, 0);
    auto put32 = [&](size_t at, std::uint32_t v) {
      for (int i = 0; i < 4; ++i) f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, width_);
    put32(22, height_);
    f[26] = 1;
    f[28] = 24;
    put32(34, stride * height_);
    for (int y = 0; y < height_; ++y) {
      std::uint8_t* row = f.data() + 54 + (height_ - 1 - y) * stride;
      for (int x = 0; x < width_; ++x) {
        const Rgb c = At(x, y);
        row[x * 3] = c.b;
        row[x * 3 + 1] = c.g;
        row[x * 3 + 2] = c.r;
      }
    }
    return f;
  }

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

TEST(ZtExport, EmptyInputsAreNotFoundAndNeverRead) {
  qv::test::PixfarrowDll dll;
  auto zt = dll.Export<qv::test::ZtFn>("ZT");
  ASSERT_NE(zt, nullptr);
  // An address that cannot be read: with a length of 0 it must not be touched.
  void* noAccess = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
  ASSERT_NE(noAccess, nullptr);
  const std::vector<std::uint8_t> bytes(64, 0x42);
  EXPECT_EQ(zt(0, 0, 0, 0), 0);
  EXPECT_EQ(zt(AsInt(noAccess), 0, AsInt(noAccess), 0), 0);
  EXPECT_EQ(zt(AsInt(bytes.data()), 64, 0, 0), 0);
  EXPECT_EQ(zt(0, 0, AsInt(bytes.data()), 64), 0);
  VirtualFree(noAccess, 0, MEM_RELEASE);
}

}  // namespace

namespace {

TEST(ZtExport, FindsACutOfTheScreenshotAndNothingElse) {
  qv::test::PixfarrowDll dll;
  auto zt = dll.Export<qv::test::ZtFn>("ZT");
  ASSERT_NE(zt, nullptr);
  // A white capture with a small black-and-red figure; width 41 gives row padding.
  Bmp24 screen(41, 30, kWhite);
  for (int y = 9; y < 13; ++y)
    for (int x = 7; x < 12; ++x) screen.Set(x, y, (x + y) % 2 ? kBlack : kRed);
  const auto big = screen.File();
  const auto target = screen.Cut(6, 8, 7, 6).File();
  Bmp24 absentImage = screen.Cut(6, 8, 7, 6);
  absentImage.Set(3, 3, kBlue);
  const auto absent = absentImage.File();
  const std::vector<std::uint8_t> notBmp(200, 0x42);

  auto call = [&](const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    return zt(AsInt(a.data()), static_cast<std::int32_t>(a.size()), AsInt(b.data()),
              static_cast<std::int32_t>(b.size()));
  };
  EXPECT_EQ(call(big, target), 1);
  EXPECT_EQ(call(big, big), 1);
  EXPECT_EQ(call(big, absent), 0);
  EXPECT_EQ(call(target, big), 0);  // taller and wider than the image searched
  EXPECT_EQ(call(big, notBmp), 0);
  EXPECT_EQ(call(notBmp, target), 0);
}

}  // namespace
