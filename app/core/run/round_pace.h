#pragma once
// The pace of rounds whose capture failed (the window is gone, the handle stale): such a
// round fails at once, so it waits out the rest of a normal round's length. A run without a
// window then costs no more than a run that captures, and the gauge keeps its usual range.
#include <chrono>

namespace quorvela {

class RoundPace {
 public:
  using Length = std::chrono::microseconds;

  // Before the first normal round: about what one takes today.
  static constexpr Length kFirstGuess{5000};
  // A stalled round (a machine that slept) does not stretch the wait beyond this.
  static constexpr Length kLongest{250000};

  // A round that captured something took `length`.
  void normalRound(Length length);
  // What a round whose capture failed, and which has taken `spent`, still waits.
  Length waitAfterFailure(Length spent) const;
  Length normal() const { return normal_; }

 private:
  Length normal_ = kFirstGuess;
  bool measured_ = false;
};

}  // namespace quorvela
