// The bitmap class on Windows: its DIB section and memory DC over the core's packed DIB.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "library/core/color_tables.h"
#include "library/core/dib_layout.h"
#include "library/win/bitmap/bitmap_class.h"

namespace pixfarrow::win {
namespace {

using test::Bmp24;
using test::Bmp8;

// The invariants of an object that holds an image: the DIB section is selected into the
// memory DC, has the packed DIB's size and depth, and holds the packed DIB's pixel rows.
void ExpectConsistent(const 新位图操作类& bitmap) {
  ASSERT_NE(bitmap.GetBitmapHandle(), nullptr);
  ASSERT_NE(bitmap.GetMemoryDC(), nullptr);
  EXPECT_EQ(GetCurrentObject(bitmap.GetMemoryDC(), OBJ_BITMAP), bitmap.GetBitmapHandle());
  EXPECT_EQ(bitmap.Width(), bitmap.DibWidth());
  EXPECT_EQ(bitmap.Height(), bitmap.DibHeight());
  EXPECT_EQ(bitmap.BitsPerPixel(), bitmap.DibBitCount());
  ASSERT_GT(bitmap.PixelBytesSize(), 0);
  EXPECT_EQ(std::memcmp(bitmap.DibBits(), bitmap.PixelBitsAddress(), bitmap.PixelBytesSize()), 0)
      << "DIB section pixels differ from the packed DIB's rows";
}

void ExpectEmpty(const 新位图操作类& bitmap) {
  EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr);
  EXPECT_EQ(bitmap.GetMemoryDC(), nullptr);
  EXPECT_EQ(bitmap.DibAddress(), nullptr);
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_EQ(bitmap.BitsPerPixel(), 0);
  EXPECT_EQ(bitmap.DibBitCount(), 0);
  EXPECT_EQ(bitmap.PixelBytesSize(), 0);
  EXPECT_EQ(bitmap.ColorTableSize(), 0);
  EXPECT_NE(bitmap.ScreenDC(), nullptr);
}

// A scene of a few colours, including two that stand twice in FixedPalette.
std::uint32_t Scene(int x, int y) {
  constexpr std::uint32_t colours[] = {0xFF0000, 0x008000, 0x808080, 0x402000, 0xFFFFFF, 0x123456, 0x000000};
  return colours[(x + 2 * y) % 7];
}

std::vector<std::uint32_t> DibColourTable(HDC memoryDC, int count) {
  std::vector<RGBQUAD> table(static_cast<std::size_t>(count));
  const UINT got = GetDIBColorTable(memoryDC, 0, static_cast<UINT>(count), table.data());
  std::vector<std::uint32_t> out;
  for (UINT i = 0; i < got; ++i) {
    out.push_back(static_cast<std::uint32_t>(table[i].rgbRed) << 16 | table[i].rgbGreen << 8 | table[i].rgbBlue);
  }
  return out;
}

TEST(BitmapClass, CreateBlankOneByOneAtEightBits) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(1, 1, 8), 1);
  ExpectConsistent(bitmap);
  EXPECT_EQ(bitmap.PixelBytes(), ByteSet(4, 0));
  EXPECT_EQ(bitmap.DibBitCount(), 8);
  EXPECT_EQ(bitmap.BitsPerPixel(), 8);
  EXPECT_EQ(bitmap.ColorTableSize(), 1024);
  EXPECT_EQ(bitmap.ColorTableAddress(), bitmap.DibAddress() + 40);
  EXPECT_EQ(bitmap.PixelBitsAddress(), bitmap.DibAddress() + 40 + 1024);
  EXPECT_EQ(bitmap.DibRowBytes(), 4);
  EXPECT_EQ(std::memcmp(bitmap.ColorTableAddress(), FixedPalette().data(), 1024), 0);
  // The DIB section was made with the packed DIB's table: index 0 black, 249 red.
  const auto table = DibColourTable(bitmap.GetMemoryDC(), 256);
  ASSERT_EQ(table.size(), 256u);
  EXPECT_EQ(table[0], 0x000000u);
  EXPECT_EQ(table[249], 0xFF0000u);
  EXPECT_EQ(std::vector<std::uint32_t>(table.begin(), table.end()),
            std::vector<std::uint32_t>(kFixedColors.begin(), kFixedColors.end()));
}

TEST(BitmapClass, CreateBlankAtEveryDepth) {
  // Three pixels a row: 3, 12, 24, 48, 72 or 96 bits, each row padded to 4 bytes.
  struct Case {
    int depth;
    int tableBytes;
    int rowBytes;
  };
  for (const Case c : {Case{1, 8, 4}, Case{4, 64, 4}, Case{8, 1024, 4}, Case{16, 0, 8}, Case{24, 0, 12},
                       Case{32, 0, 12}}) {
    SCOPED_TRACE(c.depth);
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.CreateBlank(3, 2, c.depth), 1);
    ExpectConsistent(bitmap);
    EXPECT_EQ(bitmap.ColorTableSize(), c.tableBytes);
    EXPECT_EQ(bitmap.ColorTableAddress() != nullptr, c.tableBytes > 0);
    EXPECT_EQ(bitmap.DibRowBytes(), c.rowBytes);
    EXPECT_EQ(bitmap.PixelBytes(), ByteSet(static_cast<std::size_t>(bitmap.DibRowBytes()) * 2, 0));
  }
}

TEST(BitmapClass, CreateBlankRefusesBadDepthsAndSizesAndEndsEmpty) {
  struct Case {
    int width, height, depth;
  };
  for (const Case c : {Case{2, 2, 0}, Case{2, 2, 2}, Case{2, 2, 15}, Case{0, 2, 8}, Case{2, -1, 8}, Case{1 << 20, 1 << 20, 8}}) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " x " + std::to_string(c.depth));
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.CreateBlank(4, 4, 8), 1);
    EXPECT_EQ(bitmap.CreateBlank(c.width, c.height, c.depth), 0);
    ExpectEmpty(bitmap);
  }
}

TEST(BitmapClass, FileBytesOfSmallImages) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(2, 2, 8), 1);
  EXPECT_EQ(bitmap.Image().PackedDib().size(), 1072u);
  ByteSet file = bitmap.ToBmpFileBytes();
  ASSERT_EQ(file.size(), 1086u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  std::uint32_t size = 0, offset = 0;
  std::memcpy(&size, file.data() + 2, 4);
  std::memcpy(&offset, file.data() + 10, 4);
  EXPECT_EQ(size, 1086u);
  EXPECT_EQ(offset, 1078u);
  ASSERT_EQ(bitmap.CreateBlank(3, 1, 24), 1);
  file = bitmap.ToBmpFileBytes();
  ASSERT_EQ(file.size(), 66u);
  std::memcpy(&offset, file.data() + 10, 4);
  EXPECT_EQ(offset, 54u);
}

TEST(BitmapClass, EmptyObjectReadsZero) {
  新位图操作类 bitmap;
  ExpectEmpty(bitmap);
  EXPECT_EQ(bitmap.DibWidth(), 0);
  EXPECT_EQ(bitmap.DibHeight(), 0);
  EXPECT_EQ(bitmap.PixelBitsAddress(), nullptr);
  EXPECT_EQ(bitmap.ColorTableAddress(), nullptr);
  EXPECT_EQ(bitmap.DibRowBytes(), 0);
  EXPECT_TRUE(bitmap.PixelBytes().empty());
  EXPECT_TRUE(bitmap.ToBmpFileBytes().empty());
  EXPECT_EQ(bitmap.ConvertDepth(8), 0);
  ExpectEmpty(bitmap);
  bitmap.SyncPixelBytes();
  ExpectEmpty(bitmap);
}

TEST(BitmapClass, LoadingAnEightBitFileGivesTheDisplayDepth) {
  const std::vector<std::uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456};
  const ByteSet file = Bmp8(5, 3, palette, [](int x, int y) { return static_cast<std::uint8_t>((x + y) % 4); });
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.载入位图(file), 1);
  ExpectConsistent(bitmap);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  EXPECT_EQ(bitmap.DibBitCount(), 32);
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.ColorTableSize(), 0);
  EXPECT_EQ(bitmap.ColorTableAddress(), nullptr);
  // Bottom-up BGRx rows through GDI: the pixel at (x, y from the top).
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const COLORREF c = GetPixel(bitmap.GetMemoryDC(), x, y);
      const std::uint32_t rgb = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
      EXPECT_EQ(rgb, palette[(x + y) % 4]) << x << ", " << y;
    }
  }
}

TEST(BitmapClass, RefusedBytesLeaveTheObjectEmpty) {
  const ByteSet good = Bmp24(4, 4, Scene);
  ByteSet cut(good.begin(), good.end() - 5);
  ByteSet notBmp(200, 0x41);
  for (const ByteSet& bytes : {ByteSet{}, notBmp, cut, ByteSet(good.begin(), good.begin() + 54)}) {
    SCOPED_TRACE(bytes.size());
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.载入位图(good), 1);
    EXPECT_EQ(bitmap.载入位图(bytes), 0);
    ExpectEmpty(bitmap);
    ASSERT_EQ(bitmap.载入位图(good), 1);
    EXPECT_EQ(bitmap.LoadFromBmpBytes(bytes), 0);
    ExpectEmpty(bitmap);
  }
}

TEST(BitmapClass, ConvertDepthToFixedPaletteIndexes) {
  struct Case {
    std::uint32_t colour;
    std::uint8_t index;
  };
  for (const Case c : {Case{0xFF0000, 249}, Case{0xFFFFFF, 255}, Case{0x000000, 0}, Case{0x402000, 10},
                       Case{0x008000, 2}, Case{0x808080, 164}, Case{0x0000FF, 252}, Case{0xA0C0C0, 245}}) {
    SCOPED_TRACE(c.colour);
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.载入位图(Bmp24(3, 2, [&](int, int) { return c.colour; })), 1);
    ASSERT_EQ(bitmap.BitsPerPixel(), 32);
    ASSERT_EQ(bitmap.ConvertDepth(8), 1);
    ExpectConsistent(bitmap);
    EXPECT_EQ(bitmap.BitsPerPixel(), 8);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    const ByteSet pixels = bitmap.PixelBytes();
    EXPECT_EQ(pixels, (ByteSet{c.index, c.index, c.index, 0, c.index, c.index, c.index, 0}));
    EXPECT_EQ(DibColourTable(bitmap.GetMemoryDC(), 256).at(c.index), kFixedColors[c.index]);
  }
}

TEST(BitmapClass, ConversionRebuildsTheDibSectionAtEveryDepth) {
  const ByteSet file = Bmp24(7, 5, Scene);
  for (const int depth : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(depth);
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.载入位图(file), 1);
    const HBITMAP before = bitmap.GetBitmapHandle();
    ASSERT_EQ(bitmap.ConvertDepth(depth), 1);
    ExpectConsistent(bitmap);
    EXPECT_EQ(bitmap.BitsPerPixel(), depth);
    EXPECT_EQ(GetObjectType(before), 0u) << "the old DIB section was not deleted";
    if (depth >= 24) {
      EXPECT_EQ(GetPixel(bitmap.GetMemoryDC(), 0, 0), RGB(0xFF, 0, 0));  // Scene(0, 0)
    }
  }
}

TEST(BitmapClass, RefusedConversionKeepsTheImage) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.载入位图(Bmp24(4, 3, Scene)), 1);
  const HBITMAP handle = bitmap.GetBitmapHandle();
  const ByteSet pixels = bitmap.PixelBytes();
  for (const int depth : {0, 2, 7, 64}) {
    EXPECT_EQ(bitmap.ConvertDepth(depth), 0) << depth;
    EXPECT_EQ(bitmap.GetBitmapHandle(), handle);
    EXPECT_EQ(bitmap.PixelBytes(), pixels);
    ExpectConsistent(bitmap);
  }
}

TEST(BitmapClass, ResetOnAnEmptyObjectKeepsItsScreenDc) {
  新位图操作类 bitmap;
  const HDC screen = bitmap.ScreenDC();
  ASSERT_NE(screen, nullptr);
  bitmap.Reset();
  EXPECT_EQ(bitmap.ScreenDC(), screen);
  ExpectEmpty(bitmap);
}

TEST(BitmapClass, ResetOfAnImageGivesBackItsObjectsAndTakesTheScreenAnew) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.载入位图(Bmp24(4, 3, Scene)), 1);
  const HBITMAP dib = bitmap.GetBitmapHandle();
  const HDC memory = bitmap.GetMemoryDC();
  bitmap.Reset();
  ExpectEmpty(bitmap);
  EXPECT_EQ(GetObjectType(dib), 0u);
  EXPECT_EQ(GetObjectType(memory), 0u);
  EXPECT_GT(GetDeviceCaps(bitmap.ScreenDC(), BITSPIXEL), 0);
  ASSERT_EQ(bitmap.CreateBlank(2, 2, 24), 1);
  ExpectConsistent(bitmap);
}

TEST(BitmapClass, ReleaseGivesBackEverything) {
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.CreateBlank(5, 5, 8), 1);
  const HBITMAP dib = bitmap.GetBitmapHandle();
  const HDC memory = bitmap.GetMemoryDC();
  bitmap.Release();
  EXPECT_EQ(bitmap.GetBitmapHandle(), nullptr);
  EXPECT_EQ(bitmap.ScreenDC(), nullptr);
  EXPECT_EQ(bitmap.DibAddress(), nullptr);
  EXPECT_EQ(GetObjectType(dib), 0u);
  EXPECT_EQ(GetObjectType(memory), 0u);
  bitmap.Release();  // a second time does nothing
}

TEST(BitmapClass, NarrowLoaderKeepsTheFilesDepthAndTable) {
  const std::vector<std::uint32_t> palette(256, 0x336699);
  新位图操作类 bitmap;
  ASSERT_EQ(bitmap.LoadFromBmpBytes(Bmp8(3, 2, palette, [](int, int) { return std::uint8_t{7}; })), 1);
  ExpectConsistent(bitmap);
  EXPECT_EQ(bitmap.BitsPerPixel(), 8);
  EXPECT_EQ(GetPixel(bitmap.GetMemoryDC(), 1, 1), RGB(0x33, 0x66, 0x99));
  test::BmpBuilder topDown;
  topDown.width = 2;
  topDown.height = -2;
  topDown.pixelData = ByteSet(16, 0x80);
  EXPECT_EQ(bitmap.LoadFromBmpBytes(topDown.Build()), 0);
  ExpectEmpty(bitmap);
}

class TempFile {
 public:
  TempFile() {
    char folder[MAX_PATH], name[MAX_PATH];
    if (GetTempPathA(MAX_PATH, folder) && GetTempFileNameA(folder, "qvb", 0, name)) path_ = name;
  }
  ~TempFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  bool Write(const ByteSet& bytes) const {
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

TEST(BitmapClass, LoadFromFileGoesThroughTheSystemLoader) {
  TempFile file;
  ASSERT_TRUE(file.Write(Bmp24(6, 4, Scene)));
  新位图操作类 bitmap, decoded;
  ASSERT_EQ(bitmap.LoadFromFile(file.path()), 1);
  ExpectConsistent(bitmap);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  ASSERT_EQ(decoded.载入位图(Bmp24(6, 4, Scene)), 1);
  // The system's 32-bit rows and ours agree on colour; the unused top byte may differ.
  const ByteSet a = bitmap.PixelBytes(), b = decoded.PixelBytes();
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i % 4 != 3) {
      EXPECT_EQ(a[i], b[i]) << i;
    }
  }
  EXPECT_EQ(bitmap.LoadFromFile(file.path() + ".missing"), 0);
  ExpectEmpty(bitmap);
}

TEST(BitmapClass, LoadFromBitmapHandleCopiesAndLeavesTheBitmapToItsOwner) {
  新位图操作类 source;
  ASSERT_EQ(source.LoadFromBmpBytes(Bmp24(5, 4, Scene)), 1);
  // A bitmap of the caller's own, not selected anywhere.
  void* bits = nullptr;
  const HBITMAP own = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(source.DibAddress()),
                                       DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(own, nullptr);
  std::memcpy(bits, source.PixelBitsAddress(), source.PixelBytesSize());
  struct Case {
    int depth, want;
  };
  for (const Case c : {Case{0, 24}, Case{32, 32}, Case{8, 8}}) {
    SCOPED_TRACE(c.depth);
    新位图操作类 bitmap;
    ASSERT_EQ(bitmap.LoadFromBitmapHandle(own, c.depth), 1);
    ExpectConsistent(bitmap);
    EXPECT_EQ(bitmap.BitsPerPixel(), c.want);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(GetPixel(bitmap.GetMemoryDC(), 0, 0), RGB(0xFF, 0, 0));  // Scene(0, 0) is red
    // Still the caller's: it can be selected into another DC, so it was selected back.
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, own);
    EXPECT_NE(old, nullptr);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  新位图操作类 bitmap;
  EXPECT_EQ(bitmap.LoadFromBitmapHandle(nullptr), 0);
  EXPECT_EQ(bitmap.LoadFromBitmapHandle(own, 3), 0);
  ExpectEmpty(bitmap);
  DeleteObject(own);
}

TEST(BitmapClass, CopyOwnsGdiObjectsOfItsOwn) {
  新位图操作类 original;
  ASSERT_EQ(original.载入位图(Bmp24(6, 5, Scene)), 1);
  ASSERT_EQ(original.ConvertDepth(8), 1);
  const ByteSet pixels = original.PixelBytes();
  auto copy = original.Copy();
  ASSERT_TRUE(copy);
  ExpectConsistent(*copy);
  EXPECT_NE(copy->GetBitmapHandle(), original.GetBitmapHandle());
  EXPECT_NE(copy->GetMemoryDC(), original.GetMemoryDC());
  EXPECT_NE(copy->DibAddress(), original.DibAddress());
  EXPECT_EQ(copy->Image().PackedDib(), original.Image().PackedDib());
  original.Release();
  EXPECT_EQ(GetObjectType(copy->GetBitmapHandle()), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(copy->PixelBytes(), pixels);
  ExpectConsistent(*copy);

  新位图操作类 empty;
  auto emptyCopy = empty.Copy();
  ExpectEmpty(*emptyCopy);
}

}  // namespace
}  // namespace pixfarrow::win
