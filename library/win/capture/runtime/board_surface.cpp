#include "library/win/capture/runtime/board_surface.h"

#include <algorithm>

#include "library/win/capture/runtime/dib_bytes.h"

namespace pixfarrow::capture {

BoardSurface::BoardSurface() {
  DeclaredGdi::WindowDc screen(nullptr);
  dc_ = DeclaredGdi::memoryDcFor(screen.get());
}

BoardSurface::~BoardSurface() {
  if (displaced_) gdi::SelectObject(dc_.get(), displaced_);
}

void BoardSurface::Resize(int width, int height, COLORREF fill) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  DeclaredGdi::Bitmap next;
  if (width > 0 && height > 0) {
    DeclaredGdi::WindowDc screen(nullptr);
    next.reset(gdi::CreateCompatibleBitmap(screen.get(), width, height));
  }
  if (next) {
    const DeclaredGdi::MemoryDc scratch = DeclaredGdi::memoryDcFor(dc_.get());
    DeclaredGdi::Selection into(scratch.get(), next.get());
    const RECT all{0, 0, width, height};
    DeclaredGdi::Brush brush(gdi::CreateSolidBrush(fill));
    gdi::FillRect(scratch.get(), &all, brush.get());
    if (bitmap_) gdi::BitBlt(scratch.get(), 0, 0, std::min(width, width_), std::min(height, height_), dc_.get(), 0, 0,
                            SRCCOPY);
  }
  if (displaced_) {
    gdi::SelectObject(dc_.get(), displaced_);
    displaced_ = nullptr;
  }
  bitmap_ = std::move(next);
  if (bitmap_) displaced_ = gdi::SelectObject(dc_.get(), bitmap_.get());
  width_ = bitmap_ ? width : 0;
  height_ = bitmap_ ? height : 0;
}

qv::BmpFileBytes BoardSurface::FileBytes() const {
  if (!bitmap_) return {};
  // GetDIBits reads a bitmap that no DC holds: GDI's batch lands first, then what the
  // bitmap displaced takes its place in the DC for the read, and the bitmap comes back.
  gdi::GdiFlush();
  const DeclaredGdi::Selection out(dc_.get(), displaced_);
  return BitmapFileBytes(bitmap_.get());
}

}  // namespace pixfarrow::capture
