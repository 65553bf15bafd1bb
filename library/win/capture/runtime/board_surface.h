#pragma once
// The persistent bitmap of a drawing board: a bitmap at the display's depth, selected
// into a memory DC of its own for as long as it lives.
#include <windows.h>

#include "common/bmp_file_bytes.h"
#include "library/win/capture/runtime/gdi_calls.h"

namespace pixfarrow::capture {

class BoardSurface {
 public:
  BoardSurface();
  ~BoardSurface();
  BoardSurface(const BoardSurface&) = delete;
  BoardSurface& operator=(const BoardSurface&) = delete;

  // A new bitmap of the size, filled with `fill`, keeping what fits of the old one.
  void Resize(int width, int height, COLORREF fill);

  // The bitmap as BMP file bytes at the display's depth; empty without width or height.
  qv::BmpFileBytes FileBytes() const;

  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return bitmap_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  DeclaredGdi::MemoryDc dc_;
  DeclaredGdi::Bitmap bitmap_;
  HGDIOBJ displaced_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace pixfarrow::capture
