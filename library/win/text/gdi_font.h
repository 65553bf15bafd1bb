#pragma once
// Owner of a font made with CreateFontA: deleted through the declared DeleteObject.
#include <windows.h>

#include "library/win/bitmap/gdi_owners.h"

namespace pixfarrow::win {

void DeleteFont(HFONT font);

using GdiFont = UniqueGdi<HFONT, DeleteFont>;

}  // namespace pixfarrow::win
