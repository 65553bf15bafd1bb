#pragma once
// The GDI functions that the library calls, through its declared-call table, as one set:
// the shared GDI owners over it are the library's (DeclaredGdi).
#include <windows.h>

#include "common/win/gdi_owners.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

struct DeclaredGdiCalls {
  static HDC GetDC(HWND w) { return Declared<api::GetDC>()(w); }
  static int ReleaseDC(HWND w, HDC dc) { return Declared<api::ReleaseDC>()(w, dc); }
  static int GetDeviceCaps(HDC dc, int what) { return Declared<api::GetDeviceCaps>()(dc, what); }
  static HDC CreateCompatibleDC(HDC dc) { return Declared<api::CreateCompatibleDC>()(dc); }
  static BOOL DeleteDC(HDC dc) { return Declared<api::DeleteDC>()(dc); }
  static HBITMAP CreateCompatibleBitmap(HDC dc, int w, int h) {
    return Declared<api::CreateCompatibleBitmap>()(dc, w, h);
  }
  static HGDIOBJ SelectObject(HDC dc, HGDIOBJ o) { return Declared<api::SelectObject>()(dc, o); }
  static BOOL DeleteObject(HGDIOBJ o) { return Declared<api::DeleteObject>()(o); }
  static BOOL BitBlt(HDC d, int x, int y, int w, int h, HDC s, int sx, int sy, DWORD rop) {
    return Declared<api::BitBlt>()(d, x, y, w, h, s, sx, sy, rop);
  }
  static int GetDIBits(HDC dc, HBITMAP b, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    return Declared<api::GetDIBits>()(dc, b, start, lines, bits, info, usage);
  }
  static BOOL GdiFlush() { return Declared<api::GdiFlush>()(); }
  static int GetObject(HGDIOBJ o, int size, void* out) { return Declared<api::GetObjectA>()(o, size, out); }
  static HBRUSH CreateSolidBrush(COLORREF c) { return Declared<api::CreateSolidBrush>()(c); }
  static int FillRect(HDC dc, const RECT* r, HBRUSH b) { return Declared<api::FillRect>()(dc, r, b); }
  static int SetDIBitsToDevice(HDC dc, int x, int y, DWORD w, DWORD h, int sx, int sy, UINT start, UINT lines,
                               const void* bits, const BITMAPINFO* info, UINT usage) {
    return Declared<api::SetDIBitsToDevice>()(dc, x, y, w, h, sx, sy, start, lines, bits, info, usage);
  }
};

using DeclaredGdi = qv::win::GdiOwners<DeclaredGdiCalls>;

}  // namespace pixfarrow::win
