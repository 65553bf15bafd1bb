#pragma once
// Times of repeated steps for the Wine timing programs: per step its mean and median.
#include <windows.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace pixfarrow::bench {

inline double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(at, values.size() - 1)];
}

inline double Mean(const std::vector<double>& values) {
  return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// Microseconds between performance-counter readings.
class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&last_);
  }
  // Microseconds since the last lap (or the start).
  double lap() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const double us = static_cast<double>(now.QuadPart - last_.QuadPart) * 1e6 / static_cast<double>(frequency_.QuadPart);
    last_ = now;
    return us;
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER last_{};
};

// Samples per named step, in the order the steps were first named.
class StepSamples {
 public:
  void add(const std::string& step, double us) {
    if (!samples_.count(step)) order_.push_back(step);
    samples_[step].push_back(us);
  }
  const std::vector<std::string>& steps() const { return order_; }
  const std::vector<double>& of(const std::string& step) const { return samples_.at(step); }
  double mean(const std::string& step) const { return Mean(of(step)); }
  double median(const std::string& step) const { return Percentile(of(step), 0.5); }

 private:
  std::vector<std::string> order_;
  std::map<std::string, std::vector<double>> samples_;
};

}  // namespace pixfarrow::bench
