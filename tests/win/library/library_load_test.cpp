// What loading and unloading Pixfarrow.dll do to the host process, and what its first use
// does. DPI awareness is per process and set once, so each LibraryLoadDpi case runs in a
// process of its own.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/support/standin_client.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace {

std::wstring CurrentDirectory() {
  wchar_t dir[MAX_PATH * 2] = {};
  const DWORD n = GetCurrentDirectoryW(MAX_PATH * 2, dir);
  std::wstring d(dir, n);
  if (!d.empty() && d.back() != L'\\') d += L'\\';
  return d;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring TempFolder() {
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  return dir;
}

struct OwnerSearch {
  std::vector<HWND> found;
};

BOOL CALLBACK FindHiddenOwner(HWND window, LPARAM lp) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  if (pid == GetCurrentProcessId() && std::wstring(cls) == L"PixfarrowHiddenOwner")
    reinterpret_cast<OwnerSearch*>(lp)->found.push_back(window);
  return TRUE;
}

std::vector<HWND> HiddenOwners() {
  OwnerSearch s;
  EnumWindows(FindHiddenOwner, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

TEST(LibraryLoad, MovesTheCurrentDirectoryToTheHostFolderOnEveryLoad) {
  const std::wstring host = qv::test::ProgramFolder();
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(SetCurrentDirectoryW(TempFolder().c_str()));
    ASSERT_FALSE(SamePath(CurrentDirectory(), host));
    qv::test::PixfarrowDll dll;
    ASSERT_NE(dll.module(), nullptr) << "round " << round;
    EXPECT_TRUE(SamePath(CurrentDirectory(), host)) << "round " << round;
    // The library works after being loaded again (declared calls resolve anew).
    auto qwxjb = dll.Export<qv::test::QwxjbFn>("QWXJB");
    ASSERT_NE(qwxjb, nullptr);
    EXPECT_EQ(qwxjb(), 0);
  }
}

// Whether OLE (COM) was started on this thread before; leaves the thread as it was.
bool OleStartedHere() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(hr)) CoUninitialize();
  return hr == S_FALSE;
}

// On a thread of its own, which nothing has started OLE on.
TEST(LibraryLoad, StartsOleAndOneHiddenOwnerWindowOnItsFirstUseOnTheLoadingThread) {
  std::thread([] {
    ASSERT_TRUE(HiddenOwners().empty());
    ASSERT_FALSE(OleStartedHere());
    qv::test::PixfarrowDll dll;
    ASSERT_NE(dll.module(), nullptr);
    // Neither under the loader lock.
    EXPECT_TRUE(HiddenOwners().empty()) << "made at load";
    EXPECT_FALSE(OleStartedHere()) << "started at load";
    auto qwxjb = dll.Export<qv::test::QwxjbFn>("QWXJB");
    ASSERT_NE(qwxjb, nullptr);
    // Nor for a call on another thread: a window made there would end with it.
    std::thread([qwxjb] {
      qwxjb();
      EXPECT_FALSE(OleStartedHere()) << "started on another thread";
    }).join();
    EXPECT_TRUE(HiddenOwners().empty()) << "made for another thread";

    qwxjb();
    EXPECT_TRUE(OleStartedHere());
    qwxjb();
    const auto owners = HiddenOwners();
    ASSERT_EQ(owners.size(), 1u);
    HWND owner = owners[0];
    EXPECT_EQ(GetWindowThreadProcessId(owner, nullptr), GetCurrentThreadId());
    EXPECT_FALSE(GetWindowLongW(owner, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetParent(owner), nullptr);
    RECT r{};
    GetWindowRect(owner, &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);
    EXPECT_EQ(GetWindowTextLengthW(owner), 0);
    dll.Unload();
    EXPECT_TRUE(HiddenOwners().empty());
    EXPECT_EQ(GetModuleHandleW(qv::test::PixfarrowDllPath().c_str()), nullptr);
  }).join();
}

// Windows 10 interfaces, looked up so the test builds against older headers.
using SetContextFn = BOOL(WINAPI*)(HANDLE);
using GetContextFn = HANDLE(WINAPI*)();
using AwarenessFn = int(WINAPI*)(HANDLE);
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
const HANDLE kPerMonitorAwareV1 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3));
constexpr int kPerMonitorAware = 2;

template <class Fn>
Fn User32(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ProcessAwareness() {
  auto get = User32<GetContextFn>("GetThreadDpiAwarenessContext");
  auto awareness = User32<AwarenessFn>("GetAwarenessFromDpiAwarenessContext");
  return get && awareness ? awareness(get()) : -1;
}

TEST(LibraryLoadDpi, MakesAnUnawareHostDpiAware) {
  if (GetModuleHandleW(qv::test::PixfarrowDllPath().c_str())) GTEST_SKIP() << "run in a process of its own";
  // The test prefix lets processes start unaware, as Windows does (tools/wine-prefix-config).
  ASSERT_FALSE(IsProcessDPIAware()) << "this process started DPI-aware: nothing to test here";
  ASSERT_EQ(ProcessAwareness(), 0);
  qv::test::PixfarrowDll dll;
  ASSERT_NE(dll.module(), nullptr);
  // Checked after a first call, as a host uses the library.
  auto qwxjb = dll.Export<qv::test::QwxjbFn>("QWXJB");
  ASSERT_NE(qwxjb, nullptr);
  qwxjb();
  EXPECT_TRUE(IsProcessDPIAware());
}

TEST(LibraryLoadDpi, KeepsTheHostsPerMonitorChoice) {
  if (GetModuleHandleW(qv::test::PixfarrowDllPath().c_str())) GTEST_SKIP() << "run in a process of its own";
  auto set = User32<SetContextFn>("SetProcessDpiAwarenessContext");
  if (!set || ProcessAwareness() < 0) GTEST_SKIP() << "no per-monitor DPI interfaces here";
  // Wine 8 knows only the first per-monitor level.
  if (!set(kPerMonitorAwareV2)) set(kPerMonitorAwareV1);
  ASSERT_EQ(ProcessAwareness(), kPerMonitorAware);
  qv::test::PixfarrowDll dll;
  ASSERT_NE(dll.module(), nullptr);
  EXPECT_EQ(ProcessAwareness(), kPerMonitorAware);
}

}  // namespace
