#pragma once
// The three actions of the exports JPXX, TDWXWB and SCWXWB.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace pixfarrow::win {

// Activate, bring to the foreground, Enter down and up; no pause.
void PressEnter(HWND window);

// Click at the InputPoint, then type the UTF-8 text; the first character goes out no
// sooner than 500 ms after the call (plain sleeps, no message processing).
void TypeTextAtInputPoint(HWND window, const std::vector<std::uint8_t>& utf8);

// Click at the InputPoint, then one Backspace key-down and no key-up, no sooner than
// 600 ms after the call.
void BackspaceAtInputPoint(HWND window);

}  // namespace pixfarrow::win
