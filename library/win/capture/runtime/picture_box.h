#pragma once
// Picture box: shows a PNG, JPEG or GIF picture fitted into its area, playing the frames
// of an animation with their delays.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "library/picture_core/gif_decoder.h"

namespace pixfarrow::capture {

class PictureBox {
 public:
  static std::unique_ptr<PictureBox> Create(HWND parent, const wchar_t* name, RECT where,
                                            std::span<const std::uint8_t> picture, COLORREF background);
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  HWND window() const { return window_; }
  std::size_t frameShown() const { return frame_; }
  const picture::Animation* animation() const { return animation_.get(); }

 private:
  PictureBox() = default;
  template <class T>
  friend LRESULT CALLBACK BoundWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wp, LPARAM lp);
  void Paint(HDC dc) const;
  void ScheduleNext();

  HWND window_ = nullptr;
  std::shared_ptr<const picture::Animation> animation_;
  std::size_t frame_ = 0;
  COLORREF background_ = RGB(255, 255, 255);
};

// Decoded pictures are kept for the life of the library; this frees them.
void ReleasePictureCache();

}  // namespace pixfarrow::capture
