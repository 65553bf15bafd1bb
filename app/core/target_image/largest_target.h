#pragma once
// How large a target can be: no larger than the largest capture the program can make, so a
// bigger "目标图.bmp" is no target and is refused before any memory is taken for it.
#include <cstdint>

namespace quorvela {

// The largest BMP file a capture of width x height pixels makes: the file header and the
// largest info header, a full colour table and 32 bits a pixel (more than any depth and
// header form takes). A width or height below 1 counts as 0.
std::uint64_t LargestCaptureFileBytes(std::int32_t width, std::int32_t height);

}  // namespace quorvela
