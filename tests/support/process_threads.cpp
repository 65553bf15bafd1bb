#include "tests/support/process_threads.h"

#include <tlhelp32.h>

namespace qv::test {

std::set<DWORD> ThreadIdsOf(DWORD processId) {
  std::set<DWORD> ids;
  const qv::win::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot) return ids;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
    if (entry.th32OwnerProcessID == processId) ids.insert(entry.th32ThreadID);
  return ids;
}

std::vector<qv::win::UniqueKernelHandle> ThreadsStartedSince(const std::set<DWORD>& before) {
  std::vector<qv::win::UniqueKernelHandle> started;
  for (DWORD id : ThreadIdsOf()) {
    if (before.count(id) || id == GetCurrentThreadId()) continue;
    if (HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id)) started.emplace_back(thread);
  }
  return started;
}

bool AllEnded(const std::vector<qv::win::UniqueKernelHandle>& threads, DWORD ceilingMs) {
  const ULONGLONG until = GetTickCount64() + ceilingMs;
  for (const qv::win::UniqueKernelHandle& thread : threads) {
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now < until ? static_cast<DWORD>(until - now) : 0;
    if (WaitForSingleObject(thread.get(), left) != WAIT_OBJECT_0) return false;
  }
  return true;
}

}  // namespace qv::test
