#pragma once
// The wait of a round whose capture failed: a few milliseconds, kept close to the length
// asked for without changing the system's timer resolution.
#include <chrono>

#include "common/win/kernel_owners.h"

namespace quorvela::win {

class RoundPause {
 public:
  void wait(std::chrono::microseconds length);

 private:
  qv::win::UniqueKernelHandle timer_;
  bool timerTried_ = false;
};

}  // namespace quorvela::win
