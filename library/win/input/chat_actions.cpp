#include "library/win/input/chat_actions.h"

#include <string>

#include "library/win/input/post_input.h"
#include "library/win/input/rules/input_point.h"
#include "library/win/input/type_text.h"
#include "library/win/input/window_focus.h"

namespace pixfarrow::win {

namespace {

constexpr std::uint32_t kEnter = 13;
constexpr std::uint32_t kBackspace = 8;

void SleepMs(DWORD ms) { Sleep(ms); }

input::ClientPoint InputPointOf(HWND window) {
  const ClientSize size = GetClientSize(window);
  return input::InputPoint(size.width, size.height);
}

}  // namespace

void PressEnter(HWND window) {
  ActivateWindow(window);
  BringToForeground(window);
  PostKey(window, kEnter, PostKeyKind::DownUp);
}

void TypeTextAtInputPoint(HWND window, const std::vector<std::uint8_t>& utf8) {
  const std::string text = Utf8ToText(utf8);
  const input::ClientPoint at = InputPointOf(window);
  SleepMs(100);
  PostMouse(window, at.x, at.y);
  ActivateWindow(window);
  SleepMs(100);
  BringToForeground(window);
  SleepMs(300);
  TypeText(window, text);
}

void BackspaceAtInputPoint(HWND window) {
  const input::ClientPoint at = InputPointOf(window);
  SleepMs(100);
  PostMouse(window, at.x, at.y);
  ActivateWindow(window);
  SleepMs(100);
  BringToForeground(window);
  SleepMs(100);
  ActivateWindow(window);
  SleepMs(300);
  PostKey(window, kBackspace, PostKeyKind::Down);
}

}  // namespace pixfarrow::win
