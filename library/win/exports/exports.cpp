// The exports: thin stdcall entries that pass their 32-bit arguments to the work. Each
// gives its failure value when the work throws: ZT not found, QWXJB no window, JQMBT the
// text of the capture it keeps (of the empty capture where even that text cannot be made).
#include <cstdint>

#include "library/core/image_search.h"
#include "library/win/capture/capture_result.h"
#include "library/win/capture/capture_screen_region.h"
#include "library/win/exports/boundary.h"
#include "library/win/exports/export_barrier.h"
#include "library/win/input/chat_actions.h"
#include "library/win/input/chat_window_finder.h"

using pixfarrow::win::AtExport;
using pixfarrow::win::BytesAt;
using pixfarrow::win::WindowFromValue;

namespace {

std::int32_t AddressValue(const char* text) {
  return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(text));
}

}  // namespace

extern "C" {

std::int32_t __stdcall ZT(std::int32_t bigAddress, std::int32_t bigLength, std::int32_t smallAddress,
                          std::int32_t smallLength) {
  return AtExport(0, [&] {
    return pixfarrow::FindImageInImageBytes(BytesAt(bigAddress), bigLength, BytesAt(smallAddress), smallLength);
  });
}

std::int32_t __stdcall QWXJB() {
  return AtExport(0, [] { return pixfarrow::win::ValueFromWindow(pixfarrow::win::FindChatWindow()); });
}

std::int32_t __stdcall JPXX(std::int32_t window) {
  return AtExport(0, [&] {
    pixfarrow::win::PressEnter(WindowFromValue(window));
    return 0;
  });
}

std::int32_t __stdcall JQMBT() {
  // A capture that fails keeps the last one, as a capture closed without a selection does,
  // so the caller's target is not emptied by a failure.
  return AtExport(AddressValue(pixfarrow::capture::kEmptyCaptureResultText), [] {
    try {
      return AddressValue(pixfarrow::capture::CaptureScreenRegion());
    } catch (...) {
      return AddressValue(pixfarrow::capture::StoreCaptureResultText());
    }
  });
}

std::int32_t __stdcall TDWXWB(std::int32_t window, std::int32_t textAddress, std::int32_t textLength) {
  return AtExport(0, [&] {
    pixfarrow::win::TypeTextAtInputPoint(WindowFromValue(window),
                                         pixfarrow::win::BytesFromPointer(textAddress, textLength));
    return 0;
  });
}

std::int32_t __stdcall SCWXWB(std::int32_t window) {
  return AtExport(0, [&] {
    pixfarrow::win::BackspaceAtInputPoint(WindowFromValue(window));
    return 0;
  });
}

}  // extern "C"
