// A host that frees Pixfarrow.dll as soon as JQMBT returns, while the capture's animation
// threads still have a step to finish: the library must stay until they have ended.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <vector>

#include "common/capture_result_text.h"
#include "common/win/kernel_owners.h"
#include "tests/support/wait_until.h"
#include "tests/win/capture/capture_driver.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace {

using qv::test::CaptureWindows;

std::set<DWORD> ThreadIds() {
  std::set<DWORD> ids;
  qv::win::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = snapshot && Thread32First(snapshot.get(), &entry); more;
       more = Thread32Next(snapshot.get(), &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ids.insert(entry.th32ThreadID);
  return ids;
}

// The animation threads wait between their steps handling their own messages. A message
// posted to one of them stops it in a hook of ours until released, so the library is freed
// while the thread is still inside its code, as a thread that the system schedules late
// would be.
constexpr UINT kHold = WM_APP + 0x51;
std::atomic<int> gHeld{0};
HANDLE gRelease = nullptr;

LRESULT CALLBACK HoldAnimation(int code, WPARAM wp, LPARAM lp) {
  const auto* msg = reinterpret_cast<const MSG*>(lp);
  if (code == HC_ACTION && msg->message == kHold) {
    ++gHeld;
    WaitForSingleObject(gRelease, 20000);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

struct Held {
  std::vector<HHOOK> hooks;
  ~Held() {
    for (HHOOK hook : hooks) UnhookWindowsHookEx(hook);
  }
};

// Holds every thread that appeared beside `known` once the windows stand, then releases
// the selection; the capture then ends with them held.
void HoldThenRelease(const std::set<DWORD>& known, Held* held) {
  CaptureWindows w;
  if (!qv::test::WaitForOverlay(&w)) return;
  int asked = 0;
  for (DWORD id : ThreadIds()) {
    if (known.count(id) || id == GetCurrentThreadId()) continue;
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, HoldAnimation, nullptr, id);
    if (!hook) continue;
    held->hooks.push_back(hook);
    if (PostThreadMessageW(id, kHold, 0, 0)) ++asked;
  }
  qv::test::WaitUntil([&] { return gHeld >= asked; }, 10000);
  qv::test::PostDrag(w.topBoard, {{10, 10}, {{20, 20}}});
}

TEST(CaptureUnload, FreeingTheLibraryAsSoonAsJqmbtReturnsEndsCleanly) {
  const std::wstring path = qv::test::PixfarrowDllPath();
  qv::win::UniqueKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  gRelease = release.get();
  const int before = qv::test::ThreadsOfThisProcess();
  ASSERT_GT(before, 0);
  const std::set<DWORD> known = ThreadIds();

  qv::test::PixfarrowDll dll;
  auto jqmbt = dll.Export<qv::test::JqmbtFn>("JQMBT");
  ASSERT_NE(jqmbt, nullptr);
  Held held;
  const std::int32_t text =
      qv::test::WhileDriving([&] { return jqmbt(); }, [&] { HoldThenRelease(known, &held); });
  const auto location = qv::ParseCaptureResultText(reinterpret_cast<const char*>(static_cast<std::uintptr_t>(text)));
  ASSERT_TRUE(location);
  EXPECT_GT(location->length, 0);
  EXPECT_GE(gHeld.load(), 1) << "no animation thread was still running";

  dll.Unload();
  SetEvent(release.get());
  // The library goes when its last thread ends; a thread still running its code after the
  // unload would bring the process down while this waits.
  const bool ended = qv::test::WaitUntil(
      [&] { return !GetModuleHandleW(path.c_str()) && qv::test::ThreadsOfThisProcess() <= before; }, 10000);
  EXPECT_TRUE(ended) << "the library or its threads are still there";
}

}  // namespace
