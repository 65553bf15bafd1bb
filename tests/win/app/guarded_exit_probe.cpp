// Stands for the program when its guarded message loop catches an exception while the
// automation worker is inside the library: binds "模块\Pixfarrow.dll" as the program does,
// keeps a thread inside its ZT, then lets the guard catch. The box waits for a click.
#include <windows.h>

#include <cstdint>
#include <stdexcept>

#include "app/win/library_binding/bound_library.h"
#include "app/win/start/guarded_start.h"
#include "common/win/kernel_owners.h"
#include "tests/win/app/stub_library/busy_stub.h"

namespace {

using namespace quorvela;
using namespace quorvela::win;

// Lives as long as the process, as the program's does while a worker may be inside it.
BoundLibrary library;

DWORD WINAPI worker(void*) {
  library.ZT({}, {});
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const qv::win::UniqueKernelHandle inside(
      CreateEventW(nullptr, TRUE, FALSE, qv::test::BusyStubEventName(GetCurrentProcessId()).c_str()));
  return runGuarded([&]() -> int {
    library.bind();
    const qv::win::UniqueKernelHandle thread(CreateThread(nullptr, 0, worker, nullptr, 0, nullptr));
    WaitForSingleObject(inside.get(), 20000);
    throw std::runtime_error("a handler failed");
  });
}
