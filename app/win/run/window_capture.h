#pragma once
// A capture of a whole window (frame and title bar included), or of the primary screen for
// handle 0, as BMP file bytes in the program's capture layout.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/core/object/byte_buffer.h"
#include "app/core/run/run_state.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

// Keeps between captures what stays the same while the window and the display do: the
// window's DC (while the window keeps its handle and its rectangle), the screen's DC, the
// memory DC and bitmap of one size and depth, the stretch mode and what the first GetDIBits
// query reports. One thread at a time; released on that thread.
class WindowCapturer {
 public:
  WindowCapturer() = default;
  WindowCapturer(const WindowCapturer&) = delete;
  WindowCapturer& operator=(const WindowCapturer&) = delete;

  // Empty when there is nothing to capture (no window, no DC, an empty rectangle) or a step
  // fails. `storage` is written over when it is large enough.
  ByteBuffer capture(std::uint32_t window, ByteBuffer storage = {});

 private:
  struct Source {
    HDC dc = nullptr;
    int width = 0;
    int height = 0;
  };
  // The window's DC and size, or the screen's for no window.
  Source sourceFor(HWND window);
  HDC screenDc();
  // The memory bitmap for a source of this size and the display's current depth.
  bool prepare(HDC source, int width, int height);
  ByteBuffer pixelsOf(ByteBuffer storage);

  std::optional<qv::win::DirectGdi::WindowDc> screen_;
  std::optional<qv::win::DirectGdi::WindowDc> windowDc_;
  HWND dcWindow_ = nullptr;
  RECT dcFrame_{};
  qv::win::DirectGdi::MemoryDc memory_;
  qv::win::DirectGdi::Bitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  bool paletteDisplay_ = false;
  BITMAPINFOHEADER query_{};  // the first GetDIBits query's report for bitmap_
  std::uint32_t imageSize_ = 0;
};

// One capture with a capturer of its own.
ByteBuffer CaptureWindowBmp(std::uint32_t window);

// Replaces the run state's screenshot by a capture of its window (a test find on the GUI
// thread; the worker keeps a capturer of its own).
void CaptureWeChatWindow(RunState& state);

}  // namespace quorvela::win
