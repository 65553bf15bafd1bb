// Font descriptions and the UTF-8 decoding under them, from any bytes.
#include <cstdint>
#include <string>

#include "app/core/framework/font_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An own buffer of exact size, so ASan sees any read past the text.
  const std::string text(reinterpret_cast<const char*>(data), size);
  quorvela::LogicalFont start;
  start.face = u"Tahoma";
  const quorvela::LogicalFont font = quorvela::applyFontDescription(text, start, 144);
  if (font.face.size() > quorvela::LogicalFont::kMaxFaceLength || font.height > 0 || font.escapement < 0 ||
      font.escapement >= 3600) {
    __builtin_trap();
  }
  return 0;
}
