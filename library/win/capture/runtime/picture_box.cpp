#include "library/win/capture/runtime/bound_window.h"
#include "library/win/capture/runtime/picture_box.h"

#include <map>
#include <mutex>

#include "library/capture_core/capture_motion.h"
#include "library/win/capture/runtime/class_registry.h"
#include "library/win/capture/runtime/gdi_calls.h"
#include "library/win/capture/runtime/runtime_module.h"
#include "library/win/picture/picture_decoder.h"

namespace pixfarrow::capture {
namespace {

constexpr wchar_t kClass[] = L"PixfarrowPictureBox";
constexpr UINT_PTR kFrameTimer = 1;

std::mutex cacheLock;
std::map<const std::uint8_t*, std::shared_ptr<const picture::Animation>> cache;

// Frames with partial transparency are blended over the box's background once.
std::shared_ptr<const picture::Animation> Decoded(std::span<const std::uint8_t> bytes, COLORREF background) {
  std::lock_guard<std::mutex> hold(cacheLock);
  auto& slot = cache[bytes.data()];
  if (!slot) {
    auto decoded = picture::DecodePicture(bytes);
    if (!decoded) return nullptr;
    const std::uint8_t back[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    for (auto& frame : decoded->frames) {
      auto& p = frame.image.bgra;
      for (std::size_t i = 0; i + 3 < p.size(); i += 4) {
        const unsigned a = p[i + 3];
        for (int c = 0; c < 3; ++c) p[i + c] = static_cast<std::uint8_t>((p[i + c] * a + back[c] * (255 - a)) / 255);
        p[i + 3] = 255;
      }
    }
    slot = std::make_shared<const picture::Animation>(std::move(*decoded));
  }
  return slot;
}

}  // namespace

void ReleasePictureCache() {
  std::lock_guard<std::mutex> hold(cacheLock);
  cache.clear();
}

PictureBox::~PictureBox() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

std::unique_ptr<PictureBox> PictureBox::Create(HWND parent, const wchar_t* name, RECT where,
                                               std::span<const std::uint8_t> picture, COLORREF background) {
  RegisterRuntimeClass(kClass, &BoundWindowProcedure<PictureBox>);
  std::unique_ptr<PictureBox> box(new PictureBox());
  box->background_ = background;
  box->animation_ = Decoded(picture, background);
  CreateWindowExW(0, kClass, name, WS_CHILD | WS_VISIBLE, where.left, where.top, where.right - where.left,
                  where.bottom - where.top, parent, nullptr, RuntimeModule(), box.get());
  if (!box->window_) return nullptr;
  box->ScheduleNext();
  return box;
}

void PictureBox::ScheduleNext() {
  if (!animation_ || animation_->frames.size() < 2) return;
  // Browsers show delays under 20 ms as 100 ms; do the same.
  int delay = animation_->frames[frame_].delayMs;
  if (delay < 20) delay = 100;
  SetTimer(window_, kFrameTimer, static_cast<UINT>(delay), nullptr);
}

LRESULT PictureBox::Handle(UINT message, WPARAM wp, LPARAM lp) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const qv::win::PaintDc paint(window_);
      Paint(paint.get());
      return 0;
    }
    case WM_TIMER:
      if (wp == kFrameTimer && animation_) {
        frame_ = (frame_ + 1) % animation_->frames.size();
        ScheduleNext();
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wp, lp);
}

void PictureBox::Paint(HDC dc) const {
  RECT client;
  GetClientRect(window_, &client);
  DeclaredGdi::Brush back(gdi::CreateSolidBrush(background_));
  if (!animation_) {
    gdi::FillRect(dc, &client, back.get());
    return;
  }
  const auto& image = animation_->frames[frame_].image;
  const FitRect fit = FitPicture(image.width, image.height, client.right, client.bottom);
  // Only the margins around the picture are filled, so the picture itself never flickers.
  const RECT margins[4] = {{0, 0, client.right, fit.top},
                           {0, fit.top + fit.height, client.right, client.bottom},
                           {0, fit.top, fit.left, fit.top + fit.height},
                           {fit.left + fit.width, fit.top, client.right, fit.top + fit.height}};
  for (const RECT& m : margins)
    if (m.right > m.left && m.bottom > m.top) gdi::FillRect(dc, &m, back.get());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, fit.left, fit.top, fit.width, fit.height, 0, 0, image.width, image.height, image.bgra.data(),
                &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace pixfarrow::capture
