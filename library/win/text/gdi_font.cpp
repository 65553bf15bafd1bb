#include "library/win/text/gdi_font.h"

#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {

void DeleteFont(HFONT font) { Declared<api::DeleteObject>()(font); }

}  // namespace pixfarrow::win
