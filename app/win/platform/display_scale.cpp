#include "app/win/platform/display_scale.h"

#include <windows.h>

#include "app/win/platform/procedure_address.h"
#include "app/win/platform/system_library.h"
#include "common/win/direct_gdi.h"

namespace quorvela::win {

namespace {
using SetProcessDpiAwarenessFunction = HRESULT(WINAPI*)(int);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kPerMonitorAware = 2;
constexpr int kEffectiveDpi = 0;
}  // namespace

void requestPerMonitorDpiAwareness() {
  const qv::win::UniqueModule shcore = LoadSystemLibrary(L"SHCore.dll");
  if (!shcore) return;
  if (auto set = procedureAs<SetProcessDpiAwarenessFunction>(GetProcAddress(shcore.get(), "SetProcessDpiAwareness")))
    set(kPerMonitorAware);
}

int desktopDpi() {
  HWND desktop = GetDesktopWindow();
  UINT dpiY = 0;
  {
    const qv::win::UniqueModule shcore = LoadSystemLibrary(L"SHCore.dll");
    auto get = shcore ? procedureAs<GetDpiForMonitorFunction>(GetProcAddress(shcore.get(), "GetDpiForMonitor"))
                      : nullptr;
    if (get) {
      UINT dpiX = 0;
      if (FAILED(get(MonitorFromWindow(desktop, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &dpiX, &dpiY))) dpiY = 0;
    }
  }
  if (dpiY != 0) return static_cast<int>(dpiY);
  const qv::win::DirectGdi::WindowDc dc(desktop);
  return dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
}

}  // namespace quorvela::win
