#include "library/win/bitmap/gdi_owners.h"

#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

void ReleaseScreenDc(HDC dc) { Declared<api::ReleaseDC>()(nullptr, dc); }
void DeleteMemoryDc(HDC dc) { Declared<api::DeleteDC>()(dc); }
void DeleteBitmap(HBITMAP bitmap) { Declared<api::DeleteObject>()(bitmap); }
void DeleteBrush(HBRUSH brush) { Declared<api::DeleteObject>()(brush); }

ScreenDc TakeScreenDc() { return ScreenDc(Declared<api::GetDC>()(nullptr)); }

MemoryDc MakeMemoryDc(HDC reference) { return MemoryDc(Declared<api::CreateCompatibleDC>()(reference)); }

WindowDc::WindowDc(HWND window) : window_(window), dc_(Declared<api::GetDC>()(window)) {}

WindowDc::~WindowDc() {
  if (dc_) Declared<api::ReleaseDC>()(window_, dc_);
}

Selection::Selection(HDC dc, HGDIOBJ object) : dc_(dc) {
  HGDIOBJ displaced = dc && object ? Declared<api::SelectObject>()(dc, object) : nullptr;
  displaced_ = displaced == HGDI_ERROR ? nullptr : displaced;
  if (!displaced_) dc_ = nullptr;
}

Selection& Selection::operator=(Selection&& other) noexcept {
  if (this != &other) {
    reset();
    dc_ = std::exchange(other.dc_, nullptr);
    displaced_ = std::exchange(other.displaced_, nullptr);
  }
  return *this;
}

void Selection::reset() {
  if (dc_ && displaced_) Declared<api::SelectObject>()(dc_, displaced_);
  dc_ = nullptr;
  displaced_ = nullptr;
}

}  // namespace pixfarrow::win
