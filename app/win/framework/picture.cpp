#include "app/win/framework/picture.h"

#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include "app/win/framework/framework_state.h"

namespace quorvela::win {

namespace {

// Started on first use and kept for the life of the process: pictures live in objects
// that the program never tears down.
void startGdiplus() {
  static const bool started = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  (void)started;
}

struct StreamRelease {
  void operator()(IStream* stream) const { stream->Release(); }
};

}  // namespace

SharedPicture decodePicture(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return nullptr;
  startGdiplus();
  const std::unique_ptr<IStream, StreamRelease> stream(SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
  if (!stream) return nullptr;
  // The decoded picture reads its stream lazily; a copy owns its pixels.
  Gdiplus::Bitmap decoded(stream.get());
  if (decoded.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const int width = static_cast<int>(decoded.GetWidth());
  const int height = static_cast<int>(decoded.GetHeight());
  if (width <= 0 || height <= 0) return nullptr;
  auto copy = std::make_shared<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  {
    Gdiplus::Graphics graphics(copy.get());
    graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
    if (graphics.DrawImage(&decoded, 0, 0, width, height) != Gdiplus::Ok) return nullptr;
  }
  return copy;
}

SharedPicture withTopLeftTransparent(const SharedPicture& picture) {
  if (!picture) return nullptr;
  const UINT width = picture->GetWidth();
  const UINT height = picture->GetHeight();
  auto keyed = std::shared_ptr<Gdiplus::Bitmap>(picture->Clone(0, 0, width, height, PixelFormat32bppARGB));
  if (!keyed || keyed->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  Gdiplus::BitmapData data{};
  if (keyed->LockBits(&whole, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) !=
      Gdiplus::Ok) {
    return nullptr;
  }
  auto* firstRow = static_cast<std::uint32_t*>(data.Scan0);
  const std::uint32_t key = firstRow[0] | 0xFF000000u;
  for (UINT y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(data.Scan0) + y * data.Stride);
    for (UINT x = 0; x < width; ++x) {
      if ((row[x] | 0xFF000000u) == key) row[x] = 0;
    }
  }
  keyed->UnlockBits(&data);
  return keyed;
}

std::vector<std::uint8_t> resourceBytes(int id) {
  HMODULE module = frameworkStart().instance;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);  // resources need no freeing
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return {bytes, bytes + SizeofResource(module, found)};
}

void drawPicture(HDC dc, Gdiplus::Bitmap& picture, const RECT& target) {
  Gdiplus::Graphics graphics(dc);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  // Edge pixels are repeated, so scaling blends no transparent border into the edges.
  Gdiplus::ImageAttributes edges;
  edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  graphics.DrawImage(&picture, Gdiplus::Rect(target.left, target.top, target.right - target.left, target.bottom - target.top),
                     0, 0, pictureWidth(picture), pictureHeight(picture), Gdiplus::UnitPixel, &edges);
}

int pictureWidth(Gdiplus::Bitmap& picture) { return static_cast<int>(picture.GetWidth()); }
int pictureHeight(Gdiplus::Bitmap& picture) { return static_cast<int>(picture.GetHeight()); }

}  // namespace quorvela::win
