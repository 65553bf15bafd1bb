#pragma once
// The GDI owners over the Windows functions themselves: the program's and the tests'.
#include <windows.h>

#include "common/win/gdi_owners.h"

namespace qv::win {

struct DirectGdiCalls {
  static BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(object); }
  static BOOL DeleteDC(HDC dc) { return ::DeleteDC(dc); }
  static HDC CreateCompatibleDC(HDC dc) { return ::CreateCompatibleDC(dc); }
  static HDC GetDC(HWND window) { return ::GetDC(window); }
  static HDC GetWindowDC(HWND window) { return ::GetWindowDC(window); }
  static int ReleaseDC(HWND window, HDC dc) { return ::ReleaseDC(window, dc); }
  static HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) { return ::SelectObject(dc, object); }
};

using DirectGdi = GdiOwners<DirectGdiCalls>;

}  // namespace qv::win
