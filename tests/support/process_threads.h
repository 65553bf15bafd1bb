#pragma once
// The threads of a process, for waiting until the ones a test started have ended.
#include <windows.h>

#include <set>
#include <vector>

#include "common/win/kernel_owners.h"
#include "tests/support/wait_until.h"

namespace qv::test {

// Ids of the live threads of a process.
std::set<DWORD> ThreadIdsOf(DWORD processId = GetCurrentProcessId());

// The threads of this process that are not in `before`, held open so that each can be
// waited for (a thread that ends meanwhile is left out).
std::vector<qv::win::UniqueKernelHandle> ThreadsStartedSince(const std::set<DWORD>& before);

// Whether every one of the threads has ended within the ceiling.
bool AllEnded(const std::vector<qv::win::UniqueKernelHandle>& threads, DWORD ceilingMs = kEventCeilingMs);

}  // namespace qv::test
