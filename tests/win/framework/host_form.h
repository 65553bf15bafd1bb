#pragma once
// A visible top-level form for controls under test, and a message pump.
#include <windows.h>

#include <functional>

#include "app/win/framework/form.h"
#include "tests/support/wait_until.h"

namespace qv::test {

class HostForm : public quorvela::VolClass<HostForm, quorvela::win::CVolWinForm> {
 public:
  static constexpr const char* kClassName = "qv::test::HostForm";
  int clientWidth() const override { return 700; }
  int clientHeight() const override { return 500; }
};

// Registers this program with the framework and creates a host form; null on failure.
HWND createHost(HostForm& form);

// Handles messages until done() holds or the time is up; the final value of done().
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kEventCeilingMs);

// The colour at a point of the window's client area as it is on the screen.
COLORREF clientPixel(HWND window, int x, int y);

}  // namespace qv::test
