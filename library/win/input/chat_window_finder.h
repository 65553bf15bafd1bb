#pragma once
// FindChatWindow: the first visible top-level window titled exactly "微信".
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixfarrow::win {

inline constexpr std::string_view kChatWindowTitle = "\xCE\xA2\xD0\xC5";  // 微信 in GBK

// The top-level windows in EnumWindows order whose style has WS_VISIBLE. The list
// grows as needed, so every window up to a match is examined however many there are.
std::vector<HWND> ListTopLevelWindows();

// The title as 8-bit text in the system code page (WM_GETTEXTLENGTH, then WM_GETTEXT,
// both A messages). No title: the window is gone, its title is empty, or it does not
// answer within kTitleTimeoutMs (a hung program must not stop the search).
std::optional<std::string> WindowTitle(HWND window);

inline constexpr unsigned kTitleTimeoutMs = 1000;

// Compared byte for byte with kChatWindowTitle; nullptr when none matches.
HWND FindChatWindow();

}  // namespace pixfarrow::win
