#include "app/core/run/round_pace.h"

#include <algorithm>

namespace quorvela {

void RoundPace::normalRound(Length length) {
  length = std::clamp(length, Length::zero(), kLongest);
  // Smoothed over the last rounds or so, so one slow round does not set the pace.
  normal_ = measured_ ? normal_ + (length - normal_) / 8 : length;
  measured_ = true;
}

RoundPace::Length RoundPace::waitAfterFailure(Length spent) const {
  return spent < normal_ ? normal_ - spent : Length::zero();
}

}  // namespace quorvela
