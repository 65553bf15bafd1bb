#include "library/win/bitmap/gdi_owners.h"

namespace pixfarrow::win {

ScreenDc TakeScreenDc() { return ScreenDc(nullptr); }

}  // namespace pixfarrow::win
