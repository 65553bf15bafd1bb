#include "app/win/run/round_pause.h"

#include <windows.h>

#include <algorithm>

namespace quorvela::win {

namespace {

// CreateWaitableTimerExW's flag for a timer finer than the system tick (Windows 10 1803
// on); older systems refuse it.
constexpr DWORD kHighResolutionTimer = 0x00000002;

}  // namespace

void RoundPause::wait(std::chrono::microseconds length) {
  if (!timerTried_) {
    timerTried_ = true;
    timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS));
  }
  LARGE_INTEGER due{};
  due.QuadPart = -10 * static_cast<LONGLONG>(length.count());  // relative, 100-ns units
  if (timer_ && SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
    WaitForSingleObject(timer_.get(), INFINITE);
    return;
  }
  Sleep(static_cast<DWORD>(std::max<long long>(1, (length.count() + 500) / 1000)));
}

}  // namespace quorvela::win
