// The timed run of the built program presses Enter at the moment set, to the millisecond,
// as the WeChat stand-in's record times it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "app/core/control_centre/control_centre_design.h"
#include "tests/support/standin_client.h"
#include "tests/win/app/run_scene.h"

namespace qv::test {
namespace {

using namespace quorvela::control_centre;

constexpr long long kFileTimeTicksPerMs = 10000;

long long fileTimeCount(const FILETIME& time) {
  return static_cast<long long>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
}

// The local time as a FILETIME count, and the performance counter read with it. The
// stand-in's record is in the same counter: one machine, one wineserver.
struct ClockReading {
  long long counter;
  long long localTime;
};

ClockReading readClock() {
  LARGE_INTEGER counter{};
  FILETIME utc{}, local{};
  QueryPerformanceCounter(&counter);
  GetSystemTimePreciseAsFileTime(&utc);
  FileTimeToLocalFileTime(&utc, &local);
  return {counter.QuadPart, fileTimeCount(local)};
}

// Today's moment a few whole seconds from now, as a local FILETIME count and as the hour,
// minute and second entries; nothing when it would fall on the next day.
struct Moment {
  long long localTime;
  std::wstring hour, minute, second;
};

std::optional<Moment> wholeSecondsAhead(int seconds) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const int at = now.wHour * 3600 + now.wMinute * 60 + now.wSecond + seconds;
  if (at >= 86400) return std::nullopt;
  SYSTEMTIME set = now;
  set.wHour = static_cast<WORD>(at / 3600);
  set.wMinute = static_cast<WORD>(at / 60 % 60);
  set.wSecond = static_cast<WORD>(at % 60);
  set.wMilliseconds = 0;
  FILETIME local{};
  SystemTimeToFileTime(&set, &local);
  return Moment{fileTimeCount(local), std::to_wstring(set.wHour), std::to_wstring(set.wMinute),
                std::to_wstring(set.wSecond)};
}

TEST(QuorvelaTimedRunMoment, FirstEnterComesAtTheSetMomentToTheMillisecond) {
  StandIn standin;
  ASSERT_NE(standin.window(), nullptr);
  const BuiltProgram program(L"timed_moment", RunLayout(Target()));
  ASSERT_TRUE(program.started());
  // The target shows from the start: the run hits in its first round.
  SetWindowPos(standin.window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(standin.PaintTarget(Target(), 300, 200));

  const auto moment = wholeSecondsAhead(3);
  if (!moment) GTEST_SKIP() << "too close to midnight: the moment would fall on the next day";
  const std::pair<int, const std::wstring*> entries[] = {
      {kHourEdit, &moment->hour}, {kMinuteEdit, &moment->minute}, {kSecondEdit, &moment->second}};
  for (const auto& [id, text] : entries)
    SendMessageW(program.control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text->c_str()));
  const ClockReading clock = readClock();
  program.postClick(kTimedRunButton);
  ASSERT_TRUE(program.logGrowsTo(2));

  const StandInRecord record = standin.WaitForMessages(1);
  auto enterDown = [](const RecordedMessage& m) { return m.message == WM_KEYDOWN && m.wParam == VK_RETURN; };
  const auto first = std::find_if(record.messages.begin(), record.messages.end(), enterDown);
  ASSERT_NE(first, record.messages.end()) << "no Enter";
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  ASSERT_EQ(record.frequency, frequency.QuadPart) << "the stand-in counts in other ticks";
  const double enterMs =
      static_cast<double>(first->at - clock.counter) * 1000.0 / static_cast<double>(frequency.QuadPart);
  const double momentMs = static_cast<double>(moment->localTime - clock.localTime) / kFileTimeTicksPerMs;
  const double lateMs = enterMs - momentMs;
  std::cout << "first Enter " << lateMs << " ms after the set moment\n";
  // The countdown compares whole seconds, the clock rounded to the nearest: its tick starts
  // the run from half a second before the moment on, never earlier. Ticks come once a
  // second from the arming, so the starting one comes within half a second after it; the
  // rest is the start of the run and its first round, and a tick late on a loaded machine:
  // up to one whole tick period is allowed for them.
  EXPECT_GE(lateMs, -500.0);
  EXPECT_LT(lateMs, 1500.0);
}

}  // namespace
}  // namespace qv::test
