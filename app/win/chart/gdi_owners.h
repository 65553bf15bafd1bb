#pragma once
// Owners for the GDI objects the dial draws with: created DCs, pens, brushes, fonts and
// bitmaps, and a selection that is undone when it goes out of scope.
#include <windows.h>

#include "common/win/unique_handle.h"

namespace quorvela::win {

struct GdiObjectTraits {
  static void close(HGDIOBJ object) { DeleteObject(object); }
};
struct CreatedDcTraits {
  static void close(HDC dc) { DeleteDC(dc); }
};

using UniqueGdiObject = qv::win::UniqueHandleOf<HGDIOBJ, GdiObjectTraits>;
using UniqueCreatedDc = qv::win::UniqueHandleOf<HDC, CreatedDcTraits>;

class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectionGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace quorvela::win
