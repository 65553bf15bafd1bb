#include "bench/gdi_literal_design.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "library/core/color_tables.h"
#include "library/core/dib_layout.h"
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/bitmap/gdi_owners.h"
#include "library/win/bitmap/selected_dib.h"

namespace pixfarrow::bench {
namespace {

using win::新位图操作类;

// The fixed temporary file of the first design, in the ANSI code page.
std::string TemporaryFilePath() {
  wchar_t folder[MAX_PATH];
  const DWORD n = GetTempPathW(MAX_PATH, folder);
  if (n == 0 || n >= MAX_PATH) return {};
  const std::wstring wide = std::wstring(folder, n) + L"\u65B0\u4F4D\u56FE\u64CD\u4F5C\u7C7B_\u8F7D\u5165\u4F4D\u56FE.bmp";
  char ansi[MAX_PATH * 2];
  const int m = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  return m > 0 ? std::string(ansi) : std::string();
}

void WriteWholeFile(const std::string& path, const ByteSet& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

struct Prepared {
  ByteSet pixels;
  std::int32_t width = 0, height = 0, stride = 0;
};

// 载入位图 through the file, then the GDI conversion to 8 bits and PixelBytes.
bool Prepare(const ByteSet& image, Prepared& out) {
  const std::string path = TemporaryFilePath();
  WriteWholeFile(path, image);
  新位图操作类 bitmap;
  const bool loaded = bitmap.LoadFromFile(path) == 1;
  DeleteFileA(path.c_str());
  if (!loaded) return false;
  out.width = bitmap.Width();
  out.height = bitmap.Height();
  out.pixels = GdiPaletteBytes(bitmap.GetMemoryDC(), out.width, out.height);
  out.stride = out.width + (4 - out.width % 4) % 4;
  return !out.pixels.empty();
}

// BytesMid as the first design has it: a new buffer for every comparison.
ByteSet Mid(const ByteSet& bytes, std::size_t start, std::size_t n) {
  if (start >= bytes.size()) return {};
  return ByteSet(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                 bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), start + n)));
}

}  // namespace

ByteSet GdiPaletteBytes(HDC source, std::int32_t width, std::int32_t height) {
  InfoHeader header;
  header.width = width;
  header.height = height;
  header.bitCount = 8;
  ByteSet packed = InfoHeaderBytes(header);
  const ByteSet table = FixedPalette();
  packed.insert(packed.end(), table.begin(), table.end());
  const std::size_t size = static_cast<std::size_t>(RowBytes(width * 8)) * height;
  packed.resize(packed.size() + size, 0);
  win::ScreenDc screen = win::TakeScreenDc();
  auto target = win::MakeSelectedDib(screen.get(), packed, size);
  if (!target) return {};
  BitBlt(target->memoryDC.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  std::memcpy(packed.data() + packed.size() - size, target->dibBits, size);
  return ByteSet(packed.end() - static_cast<std::ptrdiff_t>(size), packed.end());
}

std::int32_t LiteralDesignSearch(const ByteSet& big, const ByteSet& small) {
  Prepared b, s;
  if (!Prepare(big, b) || !Prepare(small, s)) return 0;
  std::vector<ByteSet> rows;
  for (std::int32_t i = 0; i < s.height; ++i) rows.push_back(Mid(s.pixels, static_cast<std::size_t>(s.stride) * i, s.width));
  const ByteSet& first = rows[0];
  auto at = b.pixels.begin();
  while (true) {
    at = std::search(at, b.pixels.end(), first.begin(), first.end());
    if (at == b.pixels.end()) return 0;
    const std::size_t pos = static_cast<std::size_t>(at - b.pixels.begin());
    bool match = true;
    for (std::int32_t j = 1; j < s.height && match; ++j) {
      match = Mid(b.pixels, pos + static_cast<std::size_t>(b.stride) * j, s.width) == rows[j];
    }
    if (match) return 1;
    ++at;
  }
}

}  // namespace pixfarrow::bench
