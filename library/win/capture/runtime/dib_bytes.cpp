#include "library/win/capture/runtime/dib_bytes.h"

#include <cstring>
#include <vector>

#include "library/win/capture/runtime/gdi_calls.h"

namespace pixfarrow::capture {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;

void Put32(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

std::uint32_t Get32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

}  // namespace

int DisplayBitsPerPixel() {
  DeclaredGdi::WindowDc screen(nullptr);
  return gdi::GetDeviceCaps(screen.get(), BITSPIXEL) * gdi::GetDeviceCaps(screen.get(), PLANES);
}

qv::BmpFileBytes BitmapFileBytes(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !gdi::GetObject(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
  const int bits = DisplayBitsPerPixel();
  const std::size_t colours = bits <= 8 ? (std::size_t{1} << bits) : 0;
  const std::size_t rowBytes = ((static_cast<std::size_t>(info.bmWidth) * bits + 31) / 32) * 4;
  const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(info.bmHeight);

  // BITMAPINFO with room for the colour table that GetDIBits fills.
  std::vector<std::uint8_t> header(kInfoHeader + 4 * 256, 0);
  auto* bi = reinterpret_cast<BITMAPINFO*>(header.data());
  bi->bmiHeader.biSize = kInfoHeader;
  bi->bmiHeader.biWidth = info.bmWidth;
  bi->bmiHeader.biHeight = info.bmHeight;
  bi->bmiHeader.biPlanes = 1;
  bi->bmiHeader.biBitCount = static_cast<WORD>(bits);
  bi->bmiHeader.biCompression = BI_RGB;

  const std::size_t offset = kFileHeader + kInfoHeader + 4 * colours;
  qv::BmpFileBytes file(offset + pixelBytes, 0);
  DeclaredGdi::WindowDc screen(nullptr);
  if (gdi::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(info.bmHeight), file.data() + offset, bi,
                     DIB_RGB_COLORS) != info.bmHeight)
    return {};
  // GetDIBits may fill in the image size; the file keeps the plain form.
  bi->bmiHeader.biSizeImage = 0;
  bi->bmiHeader.biClrUsed = 0;
  bi->bmiHeader.biClrImportant = 0;
  bi->bmiHeader.biXPelsPerMeter = bi->bmiHeader.biYPelsPerMeter = 0;
  bi->bmiHeader.biCompression = BI_RGB;
  std::memcpy(file.data() + kFileHeader, header.data(), kInfoHeader + 4 * colours);
  file[0] = 'B';
  file[1] = 'M';
  Put32(&file[2], static_cast<std::uint32_t>(file.size()));
  Put32(&file[10], static_cast<std::uint32_t>(offset));
  return file;
}

bool DrawBmpFileBytes(HDC target, const qv::BmpFileBytes& file) {
  if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M') return false;
  const auto* bi = reinterpret_cast<const BITMAPINFO*>(file.data() + kFileHeader);
  const BITMAPINFOHEADER& h = bi->bmiHeader;
  if (Get32(&file[kFileHeader]) != kInfoHeader || h.biCompression != BI_RGB || h.biWidth <= 0 ||
      h.biHeight <= 0 || h.biPlanes != 1)
    return false;
  const int bits = h.biBitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const std::size_t colours = bits <= 8 ? (h.biClrUsed ? h.biClrUsed : (std::size_t{1} << bits)) : 0;
  const std::size_t offset = Get32(&file[10]);
  const std::size_t rowBytes = ((static_cast<std::size_t>(h.biWidth) * bits + 31) / 32) * 4;
  if (offset < kFileHeader + kInfoHeader + 4 * colours || offset > file.size() ||
      (file.size() - offset) / rowBytes < static_cast<std::size_t>(h.biHeight))
    return false;
  gdi::SetDIBitsToDevice(target, 0, 0, static_cast<DWORD>(h.biWidth), static_cast<DWORD>(h.biHeight), 0, 0, 0,
                         static_cast<UINT>(h.biHeight), file.data() + offset, bi, DIB_RGB_COLORS);
  return true;
}

}  // namespace pixfarrow::capture
