#include "library/resources/guide_animation.h"

// The file is assembled in at build time; mingw's C symbols carry a leading underscore.
asm(".section .rdata,\"dr\"\n"
    ".balign 4\n"
    "_qv_guide_animation_begin:\n"
    ".incbin \"" QV_GUIDE_GIF_PATH "\"\n"
    "_qv_guide_animation_end:\n"
    ".text\n");

extern "C" const std::uint8_t qv_guide_animation_begin[];
extern "C" const std::uint8_t qv_guide_animation_end[];

namespace pixfarrow::resources {

std::span<const std::uint8_t> GuideAnimationBytes() {
  return {qv_guide_animation_begin, qv_guide_animation_end};
}

}  // namespace pixfarrow::resources
