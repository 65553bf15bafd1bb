#pragma once
// The median time of repeated calls, for the Wine timing programs; -1 when a call gives
// another result than `want`.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace pixfarrow::bench {

inline double MedianMicroseconds(int calls, std::int32_t want, const std::function<std::int32_t()>& call) {
  std::vector<double> times;
  for (int i = 0; i < calls; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const std::int32_t r = call();
    times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    if (r != want) {
      std::printf("wrong result %d\n", r);
      return -1;
    }
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace pixfarrow::bench
