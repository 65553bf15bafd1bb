#pragma once
// Starts the WeChat stand-in, asks it to paint, and reads what it recorded.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/win/kernel_owners.h"
#include "tests/support/wait_until.h"

namespace qv::test {

struct RecordedMessage {
  long long at = 0;  // QueryPerformanceCounter ticks
  unsigned message = 0;
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;
};

struct StandInRecord {
  long long frequency = 0;
  bool ready = false;
  std::vector<RecordedMessage> messages;
  std::vector<long long> paints;  // ticks at which requested targets were on screen
};

struct StandInOptions {
  std::wstring title = L"\u5FAE\u4FE1";  // 微信
  int width = 800;
  int height = 600;
  std::wstring scene;  // BMP file, or the built-in scene
  bool hidden = false;
};

class StandIn {
 public:
  // Starts the stand-in and waits until its window is shown and painted; window() is null
  // on failure. The pointer is moved to the screen's corner first, so that no real mouse
  // move lands in the record.
  explicit StandIn(const StandInOptions& options = {});
  ~StandIn();
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;

  HWND window() const { return window_; }
  DWORD processId() const { return processId_; }

  // Paints a BMP file image at (x, y) of the client area; returns once it is on screen.
  bool PaintTarget(const std::vector<std::uint8_t>& bmp, int x, int y);

  StandInRecord ReadRecord() const;
  // Waits until at least `count` messages are recorded (or the ceiling passes).
  StandInRecord WaitForMessages(size_t count, DWORD ceilingMs = kEventCeilingMs) const;
  // Posts a marker behind whatever has been posted to the window so far and waits until the
  // stand-in has recorded it: the record then holds every message posted before. Markers
  // are left out of every record.
  StandInRecord ReadRecordWhenDelivered() const;

  // Closes the window and waits for the process; returns its exit code.
  DWORD Close();

 private:
  StandInRecord ParseRecord(int* markers) const;

  std::wstring recordPath_;
  mutable int markersPosted_ = 0;
  qv::win::UniqueKernelHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// The folder of the running test program, with a trailing backslash.
std::wstring ProgramFolder();

}  // namespace qv::test
