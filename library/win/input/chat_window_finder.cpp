#include "library/win/input/chat_window_finder.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace pixfarrow::win {

namespace {

// A window may claim any length; a longer title is read only this far (still far longer
// than the one looked for, so a cut title never matches).
constexpr LRESULT kLongestTitle = 1 << 16;

struct Collected {
  std::vector<HWND> windows;
  std::exception_ptr failure;
};

// Nothing may unwind through EnumWindows: a failure stops the enumeration and is thrown
// on after it.
BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
  auto* collected = reinterpret_cast<Collected*>(param);
  try {
    if (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) collected->windows.push_back(window);
    return TRUE;
  } catch (...) {
    collected->failure = std::current_exception();
    return FALSE;
  }
}

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG, kTitleTimeoutMs,
                             &answer) != 0;
}

}  // namespace

std::vector<HWND> ListTopLevelWindows() {
  Collected collected;
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&collected));
  if (collected.failure) std::rethrow_exception(collected.failure);
  return std::move(collected.windows);
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
