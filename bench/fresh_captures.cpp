#include "bench/fresh_captures.h"

#include <algorithm>
#include <chrono>

namespace pixfarrow::bench {
namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double Microseconds(const Search& search, const ByteSet& big, const ByteSet& small, std::int32_t want, bool& right) {
  const auto start = std::chrono::steady_clock::now();
  const std::int32_t r = search(big, small);
  const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  right = right && r == want;
  return us;
}

double MedianOf(int calls, const Search& search, const ByteSet& big, const ByteSet& small, std::int32_t want,
                bool& right) {
  std::vector<double> times;
  for (int i = 0; i < calls; ++i) times.push_back(Microseconds(search, big, small, want, right));
  return Median(times);
}

}  // namespace

FreshScenes::FreshScenes(SceneKind kind, const Shot& shot, int count) {
  for (int i = 0; i < count; ++i) {
    scenes_.push_back(std::make_unique<Scene>(MakeScene(kind, shot.width, shot.height, 3 + static_cast<std::uint32_t>(i))));
  }
}

CaseTimes TimeCase(const FreshScenes& scenes, bool present, int size, const Search& zt, int repeats,
                   const Search& other, int otherRepeats) {
  CaseTimes times;
  const std::int32_t want = present ? 1 : 0;
  std::vector<double> first, steady, ratio, others;
  for (const auto& scene : scenes.scenes()) {
    const ByteSet target = present ? PresentTarget(*scene, size) : AbsentTarget(*scene, size);
    std::unique_ptr<ByteSet> capture = std::make_unique<ByteSet>(scene->file);  // written just before the call
    first.push_back(Microseconds(zt, *capture, target, want, times.right));
    steady.push_back(MedianOf(repeats, zt, *capture, target, want, times.right));
    ratio.push_back(first.back() / steady.back());
    if (other) others.push_back(MedianOf(otherRepeats, other, *capture, target, want, times.otherRight));
    capture.reset();
  }
  times.first = Median(first);
  times.steady = Median(steady);
  times.firstOverSteady = Median(ratio);
  times.other = Median(others);
  return times;
}

}  // namespace pixfarrow::bench
