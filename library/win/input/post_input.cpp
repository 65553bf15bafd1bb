#include "library/win/input/post_input.h"

#include "library/win/frame/declared_call.h"
#include "library/win/input/rules/key_params.h"

namespace pixfarrow::win {

namespace {

LPARAM KeyLParam(std::uint32_t virtualKey, bool keyUp) {
  const UINT scan = Declared<api::MapVirtualKeyA>()(virtualKey, 0);
  return static_cast<LPARAM>(input::MakeKeyLParam(scan, keyUp));
}

}  // namespace

void PostKey(HWND window, std::uint32_t key, PostKeyKind kind) {
  const auto post = Declared<api::PostMessageW>();
  switch (kind) {
    case PostKeyKind::Character:
      post(window, WM_CHAR, key, KeyLParam(input::CharacterVirtualKey(key), false));
      break;
    case PostKeyKind::Down:
      post(window, WM_KEYDOWN, key, KeyLParam(key, false));
      break;
    case PostKeyKind::Up:
      post(window, WM_KEYUP, key, KeyLParam(key, true));
      break;
    case PostKeyKind::DownUp:
      PostKey(window, key, PostKeyKind::Down);
      PostKey(window, key, PostKeyKind::Up);
      break;
  }
}

void PostMouse(HWND window, std::int32_t x, std::int32_t y) {
  if (!window) window = Declared<api::GetDesktopWindow>()();
  const auto lParam = static_cast<LPARAM>(input::MakeMouseLParam(x, y));
  const auto post = Declared<api::PostMessageA>();
  post(window, WM_MOUSEMOVE, 2, lParam);
  post(window, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
  post(window, WM_LBUTTONUP, 0, lParam);
}

ClientSize GetClientSize(HWND window) {
  RECT rect{};
  if (!Declared<api::GetClientRect>()(window, &rect)) return {};
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace pixfarrow::win
