#pragma once
// The GDI half of a bitmap object: a DIB section made from a packed DIB and selected into a
// memory DC of its own. Ends in the class's order: the displaced object selected back, the
// DIB section deleted, then the memory DC.
#include <windows.h>

#include <cstddef>
#include <optional>

#include "library/core/byte_set.h"
#include "library/win/bitmap/gdi_owners.h"

namespace pixfarrow::win {

struct SelectedDib {
  DeclaredGdi::MemoryDc memoryDC;
  DeclaredGdi::Bitmap dibSection;
  DeclaredGdi::Selection savedObject;  // declared last: undone first
  std::uint8_t* dibBits = nullptr;
  std::size_t bitsSize = 0;  // bytes of pixel memory, as the packed DIB described them
};

// CreateCompatibleDC(screen), CreateDIBSection(screen, packedDib as BITMAPINFO,
// DIB_RGB_COLORS) and the selection; nothing when any step fails (all undone).
std::optional<SelectedDib> MakeSelectedDib(HDC screen, const ByteSet& packedDib, std::size_t pixelBytesSize);

// The BITMAP record of a bitmap (GetObjectA); nothing for 0 or a handle that is no bitmap.
std::optional<BITMAP> BitmapRecord(HBITMAP bitmap);

}  // namespace pixfarrow::win
