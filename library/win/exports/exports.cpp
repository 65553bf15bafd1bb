// The exports: thin stdcall entries that pass their 32-bit arguments to the work. Each
// first completes the library's start-up when it is the first call on the loading thread.
#include <cstdint>

#include "library/core/image_search.h"
#include "library/win/capture/capture_screen_region.h"
#include "library/win/exports/boundary.h"
#include "library/win/frame/library_lifetime.h"
#include "library/win/input/chat_actions.h"
#include "library/win/input/chat_window_finder.h"

using pixfarrow::win::BytesAt;
using pixfarrow::win::CompleteStartup;
using pixfarrow::win::WindowFromValue;

extern "C" {

std::int32_t __stdcall ZT(std::int32_t bigAddress, std::int32_t bigLength, std::int32_t smallAddress,
                          std::int32_t smallLength) {
  CompleteStartup();
  return pixfarrow::FindImageInImageBytes(BytesAt(bigAddress), bigLength, BytesAt(smallAddress), smallLength);
}

std::int32_t __stdcall QWXJB() {
  CompleteStartup();
  return pixfarrow::win::ValueFromWindow(pixfarrow::win::FindChatWindow());
}

std::int32_t __stdcall JPXX(std::int32_t window) {
  CompleteStartup();
  pixfarrow::win::PressEnter(WindowFromValue(window));
  return 0;
}

std::int32_t __stdcall JQMBT() {
  CompleteStartup();
  return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(pixfarrow::capture::CaptureScreenRegion()));
}

std::int32_t __stdcall TDWXWB(std::int32_t window, std::int32_t textAddress, std::int32_t textLength) {
  CompleteStartup();
  pixfarrow::win::TypeTextAtInputPoint(WindowFromValue(window),
                                       pixfarrow::win::BytesFromPointer(textAddress, textLength));
  return 0;
}

std::int32_t __stdcall SCWXWB(std::int32_t window) {
  CompleteStartup();
  pixfarrow::win::BackspaceAtInputPoint(WindowFromValue(window));
  return 0;
}

}  // extern "C"
