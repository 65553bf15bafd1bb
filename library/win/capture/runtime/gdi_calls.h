#pragma once
// The GDI functions of the capture, reached through the library's declared-call table.
#include <windows.h>

#include "library/win/frame/declared_call.h"

namespace pixfarrow::capture::gdi {

namespace api = pixfarrow::win::api;
using pixfarrow::win::Declared;

inline HDC GetDC(HWND w) { return Declared<api::GetDC>()(w); }
inline int ReleaseDC(HWND w, HDC dc) { return Declared<api::ReleaseDC>()(w, dc); }
inline int GetDeviceCaps(HDC dc, int what) { return Declared<api::GetDeviceCaps>()(dc, what); }
inline HDC CreateCompatibleDC(HDC dc) { return Declared<api::CreateCompatibleDC>()(dc); }
inline BOOL DeleteDC(HDC dc) { return Declared<api::DeleteDC>()(dc); }
inline HBITMAP CreateCompatibleBitmap(HDC dc, int w, int h) {
  return Declared<api::CreateCompatibleBitmap>()(dc, w, h);
}
inline HGDIOBJ SelectObject(HDC dc, HGDIOBJ o) { return Declared<api::SelectObject>()(dc, o); }
inline BOOL DeleteObject(HGDIOBJ o) { return Declared<api::DeleteObject>()(o); }
inline BOOL BitBlt(HDC d, int x, int y, int w, int h, HDC s, int sx, int sy, DWORD rop) {
  return Declared<api::BitBlt>()(d, x, y, w, h, s, sx, sy, rop);
}
inline int GetDIBits(HDC dc, HBITMAP b, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
  return Declared<api::GetDIBits>()(dc, b, start, lines, bits, info, usage);
}
inline BOOL GdiFlush() { return Declared<api::GdiFlush>()(); }
inline int GetObject(HGDIOBJ o, int size, void* out) { return Declared<api::GetObjectA>()(o, size, out); }
inline HBRUSH CreateSolidBrush(COLORREF c) { return Declared<api::CreateSolidBrush>()(c); }
inline int FillRect(HDC dc, const RECT* r, HBRUSH b) { return Declared<api::FillRect>()(dc, r, b); }
inline int SetDIBitsToDevice(HDC dc, int x, int y, DWORD w, DWORD h, int sx, int sy, UINT start, UINT lines,
                             const void* bits, const BITMAPINFO* info, UINT usage) {
  return Declared<api::SetDIBitsToDevice>()(dc, x, y, w, h, sx, sy, start, lines, bits, info, usage);
}

}  // namespace pixfarrow::capture::gdi
