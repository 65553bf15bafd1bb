#pragma once
// The DPI of the Wine session the tests run in, and where a program's windows sit, seen
// from outside. Wine takes a monitor's DPI once per session, so each DPI has a session of
// its own (tools/wine-session start TREE --dpi N), named to the tests by QV_WINE_DPI.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "app/win/platform/display_scale.h"

namespace qv::test {

// 96 in the tree's default session.
inline DWORD sessionDpi() {
  const char* dpi = std::getenv("QV_WINE_DPI");
  return dpi && *dpi ? static_cast<DWORD>(std::strtoul(dpi, nullptr, 10)) : 96;
}

// The case of a table that belongs to this session's DPI, or nullptr.
template <class Case, size_t N>
const Case* caseForSessionDpi(const Case (&cases)[N]) {
  for (const Case& c : cases)
    if (c.dpi == sessionDpi()) return &c;
  return nullptr;
}

// Makes this process per-monitor DPI aware, as the program makes itself, so that it sees the
// program's windows in physical pixels: Wine, like Windows, scales what an unaware process
// reads of them to 96 DPI. Only takes effect before this process's first window.
inline void measureInPhysicalPixels() { quorvela::win::requestPerMonitorDpiAwareness(); }

inline RECT childRectInParent(HWND parent, int id) {
  RECT rect{};
  HWND child = GetDlgItem(parent, id);
  if (!child) return rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace qv::test
