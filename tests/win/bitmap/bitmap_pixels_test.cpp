// Single pixels, drawing into another object or a window, and a DIB section taken over.
#include <gtest/gtest.h>

#include <windows.h>

#include "library/core/dib_layout.h"
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/bitmap/gdi_owners.h"
#include "tests/win/bitmap/painted_window.h"

namespace pixfarrow::win {
namespace {

// The 24-bit pixel (x, y from the top) of the packed DIB's rows, as a COLORREF.
COLORREF RowPixel(新位图操作类& bitmap, int x, int y) {
  const ByteSet rows = bitmap.PixelBytes();
  const std::size_t at = static_cast<std::size_t>(bitmap.Height() - 1 - y) * bitmap.DibRowBytes() + 3 * x;
  return RGB(rows[at + 2], rows[at + 1], rows[at]);
}

TEST(BitmapPixels, SetThenReadThroughEveryPath) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(5, 4, 24), 1);
  ASSERT_EQ(bitmap.SetPixelColor(1, 2, RGB(10, 20, 30)), 1);
  EXPECT_EQ(bitmap.PixelsChanged(), 1);
  EXPECT_EQ(bitmap.GetPixelColor(1, 2), RGB(10, 20, 30));
  EXPECT_EQ(bitmap.PixelsChanged(), 0);  // reading brought the packed DIB up to date
  ASSERT_EQ(bitmap.SetPixelColor(4, 3, RGB(200, 0, 100)), 1);
  // A failing set (outside the image) keeps the change before it.
  EXPECT_EQ(bitmap.SetPixelColor(5, 0, RGB(1, 1, 1)), 0);
  EXPECT_EQ(bitmap.SetPixelColor(-1, 0, RGB(1, 1, 1)), 0);
  EXPECT_EQ(RowPixel(bitmap, 4, 3), RGB(200, 0, 100));
  EXPECT_EQ(RowPixel(bitmap, 1, 2), RGB(10, 20, 30));
  EXPECT_EQ(RowPixel(bitmap, 0, 0), RGB(0, 0, 0));
  ASSERT_EQ(bitmap.SetPixelColor(0, 0, RGB(7, 8, 9)), 1);
  const ByteSet file = bitmap.ToBmpFileBytes();
  EXPECT_EQ(file[54 + bitmap.DibRowBytes() * 3 + 0], 9);  // top row, stored last
  for (const auto& [x, y] : {std::pair{5, 0}, std::pair{0, 4}, std::pair{-1, -1}}) {
    EXPECT_EQ(bitmap.GetPixelColor(x, y), CLR_INVALID) << x << ", " << y;
  }
}

TEST(BitmapPixels, OneColourToItsPaletteIndexAsTheFinderAsks) {
  struct Case {
    COLORREF colour;
    std::uint8_t index;
  };
  for (const Case c : {Case{RGB(255, 0, 0), 249}, Case{RGB(255, 255, 255), 255}, Case{RGB(0, 0, 0), 0},
                       Case{RGB(0x40, 0x20, 0), 10}}) {
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.CreateBlank(1, 1, 32), 1);
    ASSERT_EQ(bitmap.SetPixelColor(0, 0, c.colour), 1);
    ASSERT_EQ(bitmap.ConvertDepth(8), 1);
    EXPECT_EQ(bitmap.PixelBytes()[0], c.index) << std::hex << c.colour;
  }
}

TEST(BitmapPixels, EmptyObjectHasNoPixels) {
  新位图操作类 bitmap;
  EXPECT_EQ(bitmap.GetPixelColor(0, 0), CLR_INVALID);
  EXPECT_EQ(bitmap.SetPixelColor(0, 0, 0), 0);
  新位图操作类 target;
  ASSERT_EQ(target.CreateBlank(4, 4, 24), 1);
  EXPECT_EQ(bitmap.DrawTo(target), 0);
  EXPECT_EQ(target.DrawTo(bitmap), 0);  // a target without an image takes nothing
  bitmap.PaintToWindow(nullptr);        // paints nothing, and does not fail
}

TEST(BitmapPixels, DrawToChangesOnlyTheTargetArea) {
  新位图操作类 source, target;
  ASSERT_EQ(source.CreateBlank(4, 4, 24), 1);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) source.SetPixelColor(x, y, RGB(50 + x, 60 + y, 70));
  }
  ASSERT_EQ(target.CreateBlank(10, 10, 24), 1);
  target.SetPixelColor(0, 0, RGB(1, 2, 3));  // a change the target had not synced yet
  ASSERT_EQ(source.DrawTo(target, 0, 0, std::nullopt, std::nullopt, 5, 5), 1);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 5 && x <= 8 && y >= 5 && y <= 8;
      const COLORREF want = inside ? RGB(50 + x - 5, 60 + y - 5, 70) : (x == 0 && y == 0 ? RGB(1, 2, 3) : 0);
      ASSERT_EQ(RowPixel(target, x, y), want) << x << ", " << y;
    }
  }
  // The source is unchanged; a part of it, with an explicit size, lands where asked.
  EXPECT_EQ(RowPixel(source, 0, 0), RGB(50, 60, 70));
  ASSERT_EQ(source.DrawTo(target, 2, 1, 1, 1, 0, 9), 1);
  EXPECT_EQ(RowPixel(target, 0, 9), RGB(52, 61, 70));
  EXPECT_EQ(RowPixel(target, 1, 9), RGB(0, 0, 0));
}

TEST(BitmapPixels, PaintToWindowShowsTheImage) {
  qv::test::PaintedWindow window(40, 40, 60, 40);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(8, 6, 8), 1);  // 8 bits: painted through the colour table
  for (int x = 0; x < 8; ++x) bitmap.SetPixelColor(x, 2, RGB(255, 0, 0));
  bitmap.PaintToWindow(window.get());
  const DeclaredGdi::WindowDc dc(window.get());
  EXPECT_EQ(GetPixel(dc.get(), 3, 2), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc.get(), 3, 3), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc.get(), 20, 20), qv::test::PaintedWindow::At(20, 20));  // outside the image
}

// A 3 x 2 24-bit DIB section and the packed DIB that describes it.
struct GivenDib {
  GivenDib() {
    InfoHeader header;
    header.width = 3;
    header.height = 2;
    header.bitCount = 24;
    packed = InfoHeaderBytes(header);
    packed.resize(packed.size() + 2 * 12, 0);
    void* bits = nullptr;
    section.reset(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(packed.data()), DIB_RGB_COLORS, &bits,
                                   nullptr, 0));
    static_cast<std::uint8_t*>(bits)[2] = 0xFF;  // bottom-left pixel red
  }
  ByteSet packed;
  DeclaredGdi::Bitmap section;
};

TEST(BitmapPixels, AdoptBitmapTakesOverAMatchingDibSection) {
  GivenDib given;
  ASSERT_TRUE(given.section);
  新位图操作类 bitmap;
  const HGDIOBJ displaced = bitmap.AdoptBitmap(given.section.get(), nullptr, given.packed);
  ASSERT_NE(displaced, nullptr);
  EXPECT_EQ(GetObjectType(displaced), static_cast<DWORD>(OBJ_BITMAP));  // the memory DC's stock bitmap
  const HBITMAP section = given.section.release();  // the object owns it now
  EXPECT_EQ(bitmap.GetBitmapHandle(), section);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.GetPixelColor(0, 1), RGB(255, 0, 0));
  ASSERT_EQ(bitmap.SetPixelColor(2, 0, RGB(0, 0, 255)), 1);
  EXPECT_EQ(RowPixel(bitmap, 2, 0), RGB(0, 0, 255));
  bitmap.Release();
  EXPECT_EQ(GetObjectType(section), 0u);  // deleted with the object
}

TEST(BitmapPixels, AdoptBitmapRefusesBytesThatDoNotDescribeTheSection) {
  GivenDib given;
  ByteSet wrongSize = given.packed;
  wrongSize[4] = 4;  // width 4
  ByteSet cut(given.packed.begin(), given.packed.end() - 1);
  新位图操作类 bitmap;
  for (const ByteSet& bytes : {wrongSize, cut, ByteSet{}}) {
    EXPECT_EQ(bitmap.AdoptBitmap(given.section.get(), nullptr, bytes), nullptr);
    EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr);
  }
  // A bitmap that is no DIB section has no pixel memory to stand behind the bytes.
  const DeclaredGdi::Bitmap plain(CreateBitmap(3, 2, 1, 24, nullptr));
  EXPECT_EQ(bitmap.AdoptBitmap(plain.get(), nullptr, given.packed), nullptr);
  EXPECT_NE(GetObjectType(given.section.get()), 0u);  // still the caller's
}

}  // namespace
}  // namespace pixfarrow::win
