#pragma once
// The font description that SetFont and FindTextWithFontInImage take, field by field.
#include <cstdint>
#include <string>

namespace pixfarrow {

struct FontSpec {
  std::int32_t reserved = 0;  // never read
  std::int32_t bold = 0;
  std::int32_t italic = 0;
  std::int32_t strikeOut = 0;
  std::int32_t underline = 0;
  std::int32_t size = 0;  // points
  std::string face;       // 8-bit system code page
};

}  // namespace pixfarrow
