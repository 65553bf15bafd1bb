#pragma once
// A capture of a whole window (frame and title bar included), or of the primary screen for
// handle 0, as BMP file bytes in the program's capture layout.
#include <windows.h>

#include <cstdint>

#include "app/core/byte_buffer.h"
#include "app/win/framework/unique_handles.h"

namespace quorvela::win {

// Keeps its memory DC and bitmap between captures of one size and depth, so the rounds of
// a run do not build them anew. One thread at a time.
class WindowCapturer {
 public:
  // Empty when there is nothing to capture (no window, no DC, an empty rectangle) or a step
  // fails. `storage` is written over when it is large enough.
  ByteBuffer capture(std::uint32_t window, ByteBuffer storage = {});

 private:
  // The window (or the screen) copied 1:1 into bitmap_.
  bool copyIn(HWND window);
  bool copyFrom(HDC source, int width, int height);
  bool prepare(HDC source, int width, int height);
  ByteBuffer pixelsOf(ByteBuffer storage) const;

  UniqueCreatedDc memory_;
  UniqueBitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
};

// One capture with a capturer of its own.
ByteBuffer CaptureWindowBmp(std::uint32_t window);

}  // namespace quorvela::win
