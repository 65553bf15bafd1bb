#pragma once
// Times of one ZT case on fresh captures, for the Wine timing programs: on each of a few
// scenes of the case's kind (other seeds, so other content), a capture that no call has
// seen, written just before its first call, the one before freed; that first call, then the
// median of repeated calls on the same capture, and the median of another search's calls.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "bench/scenes.h"

namespace pixfarrow::bench {

using Search = std::function<std::int32_t(const ByteSet& big, const ByteSet& small)>;

struct CaseTimes {
  double first = 0;           // median over the scenes of the first call's microseconds
  double steady = 0;          // median over the scenes of the median of repeated calls
  double firstOverSteady = 0;  // median over the scenes of first / steady, each on one scene
  double other = 0;           // median over the scenes of the other search's median
  bool right = true;          // every zt call gave the case's answer
  bool otherRight = true;     // every call of the other search did
};

// The scenes of one kind and shot size, made once for all of its cases.
class FreshScenes {
 public:
  FreshScenes(SceneKind kind, const Shot& shot, int count);
  const std::vector<std::unique_ptr<Scene>>& scenes() const { return scenes_; }

 private:
  std::vector<std::unique_ptr<Scene>> scenes_;
};

// zt on each scene: the first call and `repeats` more; `other` (if set) `otherRepeats` times.
CaseTimes TimeCase(const FreshScenes& scenes, bool present, int size, const Search& zt, int repeats,
                   const Search& other = {}, int otherRepeats = 0);

}  // namespace pixfarrow::bench
