#pragma once
// DeclaredCallTable: every Windows function that the library calls outside its runtime's
// own imports, named (library file, function) and resolved by name on first use.
//
//   #include "library/win/frame/declared_call.h"
//   using pixfarrow::win::Declared;
//   namespace api = pixfarrow::win::api;
//
//   Declared<api::PostMessageW>()(window, WM_KEYDOWN, key, lParam);
//   HDC dc = Declared<api::GetDC>()(window);
//
// Declared<Tag>() is a small value with the entry's exact signature; calling it
//  - resolves the address once (LoadLibraryA of the entry's file, first in the host
//    executable's folder, then by the normal search; then GetProcAddress) and caches it;
//  - calls through a thunk that compares ESP before and after the call with what the
//    declared convention promises (stdcall: the callee removed the arguments);
//  - ends the process through RuntimeFatalError when the function cannot be found or the
//    stack did not come back as declared (code 6).
// Signatures come from the platform headers (decltype), so the compiler checks every
// argument; the ESP check catches an export whose real convention or argument size
// differs from its declaration.
//
// To add a function: one X(...) line below, with its library file and pointer type.
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "library/win/frame/checked_call.h"

namespace pixfarrow::win {

struct DeclaredEntry {
  const char* library;   // file name as declared; empty: none named
  const char* function;  // exported name
};

// X(tag, library file, pointer type). The tag is also the exported name.
#define PIXFARROW_DECLARED_CALLS(X)                                                              \
  X(GetCurrentThreadId, "kernel32.dll", decltype(&::GetCurrentThreadId))                        \
  X(MultiByteToWideChar, "kernel32.dll", decltype(&::MultiByteToWideChar))                      \
  X(lstrlenW, "kernel32.dll", decltype(&::lstrlenW))                                            \
  X(GetTempPathW, "kernel32.dll", decltype(&::GetTempPathW))                                    \
  X(WideCharToMultiByte, "kernel32.dll", decltype(&::WideCharToMultiByte))                      \
  X(RtlMoveMemory, "kernel32.dll", void(WINAPI*)(void*, const void*, SIZE_T))                   \
  X(lstrcpynA, "kernel32.dll", decltype(&::lstrcpynA))                                          \
  X(GetWindowThreadProcessId, "user32.dll", decltype(&::GetWindowThreadProcessId))              \
  X(AttachThreadInput, "user32.dll", decltype(&::AttachThreadInput))                            \
  X(SetActiveWindow, "user32.dll", decltype(&::SetActiveWindow))                                \
  X(SetForegroundWindow, "user32.dll", decltype(&::SetForegroundWindow))                        \
  X(MapVirtualKeyA, "user32.dll", decltype(&::MapVirtualKeyA))                                  \
  X(PostMessageW, "user32.dll", decltype(&::PostMessageW))                                      \
  X(GetClientRect, "user32.dll", decltype(&::GetClientRect))                                    \
  X(GetDesktopWindow, "user32.dll", decltype(&::GetDesktopWindow))                              \
  X(PostMessageA, "user32.dll", decltype(&::PostMessageA))                                      \
  X(SetProcessDPIAware, "user32.dll", decltype(&::SetProcessDPIAware))                          \
  X(ClientToScreen, "user32.dll", decltype(&::ClientToScreen))                                  \
  X(GetDC, "user32.dll", decltype(&::GetDC))                                                    \
  X(ReleaseDC, "user32.dll", decltype(&::ReleaseDC))                                            \
  X(LoadImageA, "user32.dll", decltype(&::LoadImageA))                                          \
  X(FillRect, "user32.dll", decltype(&::FillRect))                                              \
  X(DrawIconEx, "user32.dll", decltype(&::DrawIconEx))                                          \
  X(EnumDisplaySettingsA, "user32.dll", decltype(&::EnumDisplaySettingsA))                      \
  X(IsIconic, "user32.dll", decltype(&::IsIconic))                                              \
  X(IsWindowVisible, "user32.dll", decltype(&::IsWindowVisible))                                \
  X(GetWindowRect, "user32.dll", decltype(&::GetWindowRect))                                    \
  X(PrintWindow, "user32.dll", decltype(&::PrintWindow))                                        \
  X(OpenClipboard, "user32.dll", decltype(&::OpenClipboard))                                    \
  X(GetClipboardData, "user32.dll", decltype(&::GetClipboardData))                              \
  X(CloseClipboard, "user32.dll", decltype(&::CloseClipboard))                                  \
  X(EmptyClipboard, "user32.dll", decltype(&::EmptyClipboard))                                  \
  X(SetClipboardData, "user32.dll", decltype(&::SetClipboardData))                              \
  X(GetDeviceCaps, "gdi32.dll", decltype(&::GetDeviceCaps))                                     \
  X(CreateCompatibleDC, "gdi32.dll", decltype(&::CreateCompatibleDC))                           \
  X(CreateCompatibleBitmap, "gdi32.dll", decltype(&::CreateCompatibleBitmap))                   \
  X(SelectObject, "gdi32.dll", decltype(&::SelectObject))                                       \
  X(CreateFontA, "gdi32.dll", decltype(&::CreateFontA))                                         \
  X(SetBkMode, "gdi32.dll", decltype(&::SetBkMode))                                             \
  X(SetTextColor, "gdi32.dll", decltype(&::SetTextColor))                                       \
  X(TextOutA, "gdi32.dll", decltype(&::TextOutA))                                               \
  X(DeleteObject, "gdi32.dll", decltype(&::DeleteObject))                                       \
  X(GetPixel, "gdi32.dll", decltype(&::GetPixel))                                               \
  X(DeleteDC, "gdi32.dll", decltype(&::DeleteDC))                                               \
  X(CreateDIBSection, "gdi32.dll", decltype(&::CreateDIBSection))                               \
  X(GetObjectA, "gdi32.dll", decltype(&::GetObjectA))                                           \
  X(BitBlt, "gdi32.dll", decltype(&::BitBlt))                                                   \
  X(GdiFlush, "gdi32.dll", decltype(&::GdiFlush))                                               \
  X(CreateSolidBrush, "gdi32.dll", decltype(&::CreateSolidBrush))                               \
  X(SetPixelV, "gdi32.dll", decltype(&::SetPixelV))                                             \
  X(GetDIBits, "gdi32.dll", decltype(&::GetDIBits))                                             \
  X(SetDIBitsToDevice, "gdi32.dll", decltype(&::SetDIBitsToDevice))                             \
  X(strlen, "msvcrt.dll", std::size_t (*)(const char*))                                         \
  X(SHGetSpecialFolderPathW, "Shell32.dll", decltype(&::SHGetSpecialFolderPathW))

namespace api {

enum Index : std::size_t {
#define PIXFARROW_DECLARED_INDEX(tag, file, type) k##tag,
  PIXFARROW_DECLARED_CALLS(PIXFARROW_DECLARED_INDEX)
#undef PIXFARROW_DECLARED_INDEX
  kDeclaredCallCount
};

#define PIXFARROW_DECLARED_TAG(tag, file, type)                \
  struct tag {                                                 \
    using Pointer = type;                                      \
    static constexpr std::size_t index = k##tag;               \
  };
PIXFARROW_DECLARED_CALLS(PIXFARROW_DECLARED_TAG)
#undef PIXFARROW_DECLARED_TAG

}  // namespace api

// The whole table, in declaration order (for listing and checks).
const DeclaredEntry& DeclaredCallEntry(std::size_t index);

// The cache slot of a table entry.
std::atomic<const void*>& DeclaredCallSlot(std::size_t index);

// Address of entry's function, cached in slot; nullptr when it cannot be found.
const void* TryResolveDeclared(const DeclaredEntry& entry, std::atomic<const void*>& slot);

// Same, but a function that cannot be found ends the process (RuntimeFatalError).
const void* ResolveDeclared(const DeclaredEntry& entry, std::atomic<const void*>& slot);

// Forgets every cached address and releases the library files loaded for them.
void ReleaseDeclaredCalls();

// Ends the process with the stack-mismatch error.
[[noreturn]] void DeclaredStackMismatch();

namespace detail {

template <class T>
std::uint32_t ToWord(T value) {
  static_assert(sizeof(T) <= 4, "declared calls take 32-bit arguments");
  if constexpr (std::is_pointer_v<T> || std::is_null_pointer_v<T>) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(value));
  } else {
    static_assert(std::is_integral_v<T> || std::is_enum_v<T>, "declared calls take 32-bit arguments");
    return static_cast<std::uint32_t>(value);
  }
}

template <class R>
R FromWord(std::uint32_t word) {
  if constexpr (std::is_void_v<R>) {
    (void)word;
  } else if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<R>(static_cast<std::uintptr_t>(word));
  } else {
    static_assert(sizeof(R) <= 4 && std::is_integral_v<R>, "declared calls return 32-bit values");
    return static_cast<R>(word);
  }
}

template <class Pointer>
class Caller;

template <class R, class... A, ArgumentCleanup cleanup>
R CallThrough(const DeclaredEntry& entry, std::atomic<const void*>& slot,
              std::integral_constant<ArgumentCleanup, cleanup>, A... args) {
  const void* function = ResolveDeclared(entry, slot);
  const std::uint32_t words[sizeof...(A) + 1] = {ToWord(args)..., 0};
  const CheckedCallResult result = CallChecked(function, words, sizeof...(A), cleanup);
  if (!result.stackIntact) DeclaredStackMismatch();
  return FromWord<R>(result.value);
}

template <class R, class... A>
class Caller<R(WINAPI*)(A...)> {
 public:
  Caller(const DeclaredEntry& entry, std::atomic<const void*>& slot) : entry_(entry), slot_(slot) {}
  R operator()(A... args) const {
    return CallThrough<R, A...>(entry_, slot_, std::integral_constant<ArgumentCleanup, ArgumentCleanup::Callee>{},
                                args...);
  }

 private:
  const DeclaredEntry& entry_;
  std::atomic<const void*>& slot_;
};

template <class R, class... A>
class Caller<R (*)(A...)> {
 public:
  Caller(const DeclaredEntry& entry, std::atomic<const void*>& slot) : entry_(entry), slot_(slot) {}
  R operator()(A... args) const {
    return CallThrough<R, A...>(entry_, slot_, std::integral_constant<ArgumentCleanup, ArgumentCleanup::Caller>{},
                                args...);
  }

 private:
  const DeclaredEntry& entry_;
  std::atomic<const void*>& slot_;
};

}  // namespace detail

// The callable of a table entry: Declared<api::PostMessageW>()(hwnd, msg, wp, lp).
template <class Tag>
detail::Caller<typename Tag::Pointer> Declared() {
  return {DeclaredCallEntry(Tag::index), DeclaredCallSlot(Tag::index)};
}

// The callable of an entry outside the table (its own slot), with the same checks.
template <class Pointer>
detail::Caller<Pointer> DeclaredOutside(const DeclaredEntry& entry, std::atomic<const void*>& slot) {
  return {entry, slot};
}

}  // namespace pixfarrow::win
