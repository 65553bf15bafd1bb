#pragma once
// The region argument of the searches in a window: left, top, width and height (not right
// and bottom).
#include <cstdint>

namespace pixfarrow {

struct SearchRegion {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const SearchRegion&, const SearchRegion&) = default;
};

}  // namespace pixfarrow
