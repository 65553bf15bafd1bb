// Stands for the program when its guarded message loop catches an exception while the
// automation worker is inside the library: binds "模块\Pixfarrow.dll" as the program does,
// keeps a thread inside its ZT, then lets the guard catch. The box waits for a click.
#include <windows.h>

#include <cstdint>
#include <stdexcept>

#include "app/win/library_binding/external_function_binder.h"
#include "app/win/platform/procedure_address.h"
#include "app/win/start/guarded_start.h"
#include "common/win/kernel_owners.h"
#include "tests/win/app/stub_library/busy_stub.h"

namespace {

using namespace quorvela;
using namespace quorvela::win;
using ZtCall = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);

DWORD WINAPI worker(void*) {
  procedureAs<ZtCall>(externalFunctionTable()[ExternalFunction::ZT])(0, 0, 0, 0);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const qv::win::UniqueKernelHandle inside(
      CreateEventW(nullptr, TRUE, FALSE, qv::test::BusyStubEventName(GetCurrentProcessId()).c_str()));
  return runGuarded([&]() -> int {
    ExternalFunctionBinder(externalFunctionTable(), boundLibraries());
    const qv::win::UniqueKernelHandle thread(CreateThread(nullptr, 0, worker, nullptr, 0, nullptr));
    WaitForSingleObject(inside.get(), 20000);
    throw std::runtime_error("a handler failed");
  });
}
