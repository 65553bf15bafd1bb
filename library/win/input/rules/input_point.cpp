#include "library/win/input/rules/input_point.h"

namespace pixfarrow::input {

ClientPoint InputPoint(std::int32_t width, std::int32_t height) {
  const double x = static_cast<double>(width) / 100.0 * 91.0;
  const double y = static_cast<double>(height) / 100.0 * 86.0;
  return {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
}

}  // namespace pixfarrow::input
