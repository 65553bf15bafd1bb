// DeclaredCallTable: every entry resolves by name, typed calls reach the real exports.
#include "library/win/frame/declared_call.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace api = pixfarrow::win::api;
using pixfarrow::win::Declared;
using pixfarrow::win::DeclaredCallEntry;
using pixfarrow::win::DeclaredCallSlot;
using pixfarrow::win::DeclaredEntry;
using pixfarrow::win::TryResolveDeclared;

TEST(DeclaredCallTable, EveryEntryNamesAnExistingExport) {
  for (std::size_t i = 0; i < api::kDeclaredCallCount; ++i) {
    const DeclaredEntry& e = DeclaredCallEntry(i);
    EXPECT_NE(TryResolveDeclared(e, DeclaredCallSlot(i)), nullptr) << e.library << " " << e.function;
  }
}

TEST(DeclaredCallTable, CachesTheExportsAddress) {
  Declared<api::GetDesktopWindow>()();
  const void* expected = reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDesktopWindow"));
  EXPECT_EQ(DeclaredCallSlot(api::kGetDesktopWindow).load(), expected);
}

TEST(DeclaredCallTable, TypedCallsGiveTheFunctionsResults) {
  EXPECT_EQ(Declared<api::GetCurrentThreadId>()(), GetCurrentThreadId());
  EXPECT_EQ(Declared<api::lstrlenW>()(L"abc"), 3);
  EXPECT_EQ(Declared<api::strlen>()("abcd"), 4u);  // cdecl
  EXPECT_EQ(Declared<api::GetDesktopWindow>()(), GetDesktopWindow());
  wchar_t wide[8] = {};
  EXPECT_EQ(Declared<api::MultiByteToWideChar>()(936, 0, "\xCE\xA2\xD0\xC5", -1, wide, 8), 3);
  EXPECT_EQ(std::wstring(wide), L"\u5FAE\u4FE1");
  RECT rect{1, 2, 3, 4};
  EXPECT_FALSE(Declared<api::GetClientRect>()(nullptr, &rect));
}

TEST(DeclaredCallTable, UnknownLibraryOrFunctionIsNotFound) {
  const DeclaredEntry cases[] = {
      {"qv_no_such_library.dll", "Anything"},
      {"kernel32.dll", "QvNoSuchFunction"},
      {"", "GetCurrentThreadId"},
  };
  for (const DeclaredEntry& e : cases) {
    std::atomic<const void*> slot{nullptr};
    EXPECT_EQ(TryResolveDeclared(e, slot), nullptr) << e.library << " " << e.function;
    EXPECT_EQ(slot.load(), nullptr);
  }
}

}  // namespace
