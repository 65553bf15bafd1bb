#pragma once
// InputPoint: where the chat window is clicked before typing.
#include <cstdint>

namespace pixfarrow::input {

struct ClientPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const ClientPoint&, const ClientPoint&) = default;
};

// x = width / 100 * 91, y = height / 100 * 86, in double precision in that order, each
// truncated toward zero.
ClientPoint InputPoint(std::int32_t width, std::int32_t height);

}  // namespace pixfarrow::input
