#include "library/win/input/chat_window_finder.h"

#include <algorithm>

namespace pixfarrow::win {

namespace {

// A window may claim any length; a longer title is read only this far (still far longer
// than the one looked for, so a cut title never matches).
constexpr LRESULT kLongestTitle = 1 << 16;

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
  if (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG, kTitleTimeoutMs,
                             &answer) != 0;
}

}  // namespace

std::vector<HWND> ListTopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::optional<std::string> WindowTitle(HWND window) {
  if (!IsWindow(window)) return std::nullopt;
  DWORD_PTR length = 0;
  if (!Ask(window, WM_GETTEXTLENGTH, 0, 0, length)) return std::nullopt;
  const auto claimed = static_cast<LRESULT>(length);
  if (claimed <= 0) return std::nullopt;
  std::string title(static_cast<std::size_t>(std::min(claimed, kLongestTitle)) + 1, '\0');
  DWORD_PTR copied = 0;
  if (!Ask(window, WM_GETTEXT, title.size(), reinterpret_cast<LPARAM>(title.data()), copied)) return std::nullopt;
  title.resize(title.find('\0'));
  if (title.empty()) return std::nullopt;
  return title;
}

HWND FindChatWindow() {
  for (HWND window : ListTopLevelWindows()) {
    const std::optional<std::string> title = WindowTitle(window);
    if (title && *title == kChatWindowTitle) return window;
  }
  return nullptr;
}

}  // namespace pixfarrow::win
