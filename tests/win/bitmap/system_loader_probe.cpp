// Child process of the corpus comparison: loads one BMP file with the system's loader and
// writes what it got to standard output, so that a loader crash ends only this process.
//   qv_system_loader_probe.exe FILE
// Output, one record per way of loading (plain, then LR_CREATEDIBSECTION), little-endian:
//   int32 way, int32 loaded (0/1), and when loaded: int32 width, int32 height, then
//   width x height 32-bit BGRx pixels, bottom row first.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

void Put(HANDLE out, const void* data, DWORD size) {
  DWORD written = 0;
  WriteFile(out, data, size, &written, nullptr);
}

void PutWord(HANDLE out, std::int32_t value) { Put(out, &value, sizeof value); }

void Record(HANDLE out, const wchar_t* path, std::int32_t way, UINT flags) {
  PutWord(out, way);
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, flags));
  BITMAP record{};
  if (!bitmap || GetObjectW(bitmap, sizeof record, &record) == 0 || record.bmWidth <= 0 || record.bmHeight == 0) {
    if (bitmap) DeleteObject(bitmap);
    PutWord(out, 0);
    return;
  }
  const int width = record.bmWidth, height = record.bmHeight < 0 ? -record.bmHeight : record.bmHeight;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  if (rows != height) {
    PutWord(out, 0);
    return;
  }
  PutWord(out, 1);
  PutWord(out, width);
  PutWord(out, height);
  Put(out, pixels.data(), static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t)));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  Record(out, argv[1], 0, LR_LOADFROMFILE);
  Record(out, argv[1], 1, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  return 0;
}
