#pragma once
// What the timed run works on: the page's time edits, button and countdown timer, the run
// log, the run state, the clock and the run-now road. The timed-run handler implements it
// over its own controls and the links start-up gives it.
#include <string>
#include <string_view>

namespace quorvela {

class LocalClock;
class RunState;

enum class TimeEdit : int { kHour = 0, kMinute = 1, kSecond = 2 };

class TimedRunPort {
 public:
  virtual ~TimedRunPort() = default;

  virtual RunState& runState() = 0;
  virtual const LocalClock& localClock() = 0;

  virtual std::string editText(TimeEdit edit) = 0;
  // The edit's text-changed event runs at once, nested, also for a text set here.
  virtual void setEditText(TimeEdit edit, std::string_view text) = 0;

  virtual void setButtonText(std::string_view text) = 0;
  virtual void setButtonImage(int resourceId) = 0;

  // 0 stops the countdown timer; n > 0 (re)starts it with a period of n ms.
  virtual void setTimerInterval(int milliseconds) = 0;

  // type 0 error, 1 warning, 2 information.
  virtual void appendRunLog(int type, std::string_view text) = 0;

  // 1 when WeChat's window was found again and a target image is held; else 0, after the
  // check has written its own error line.
  virtual int checkReady() = 0;
  // Starts a run when none is active, else tells the active one to stop.
  virtual void toggleRunNow() = 0;
};

}  // namespace quorvela
