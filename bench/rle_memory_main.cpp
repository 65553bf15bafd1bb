// Peak memory and time of the searches on a small RLE8 file of 8192 x 8192 (about 270 KB:
// a few runs a row), one way per run of the program, as the process's peak resident size:
//   pixfarrow_rle_memory target   ZT with it as the target of an 800 x 600 capture
//   pixfarrow_rle_memory itself   ZT with it searched in itself
//   pixfarrow_rle_memory bitmap   the bitmap class's own load and ConvertDepth(8)
//   pixfarrow_rle_memory preview  the whole-image decode to 32-bit pixels (the program's preview)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "common/bmp/bmp_decoder.h"
#include "common/bmp/le_bytes.h"
#include "library/core/bitmap_image.h"
#include "library/core/image_search.h"
#include "ui_scene.h"

namespace {

using namespace pixfarrow;

// Each row: 16 runs of 255 pixels of alternating indexes, then the end of the line.
ByteSet Rle8192() {
  ByteSet data;
  for (int y = 0; y < 8192; ++y) {
    for (int run = 0; run < 16; ++run) data.insert(data.end(), {255, static_cast<std::uint8_t>((y + run) % 2)});
    data.insert(data.end(), {0, 0});
  }
  data.insert(data.end(), {0, 1});
  ByteSet file;
  const std::uint32_t offset = 14 + 40 + 2 * 4;
  AppendU16(file, 0x4D42);
  AppendU32(file, static_cast<std::uint32_t>(offset + data.size()));
  AppendU32(file, 0);
  AppendU32(file, offset);
  AppendU32(file, 40);
  AppendU32(file, 8192);
  AppendU32(file, 8192);
  AppendU16(file, 1);
  AppendU16(file, 8);
  AppendU32(file, 1);  // BI_RLE8
  AppendU32(file, static_cast<std::uint32_t>(data.size()));
  AppendU32(file, 0);
  AppendU32(file, 0);
  AppendU32(file, 2);  // colours used
  AppendU32(file, 0);
  AppendU32(file, 0x00FFFFFF);
  AppendU32(file, 0x00203040);
  file.insert(file.end(), data.begin(), data.end());
  return file;
}

std::int32_t Zt(const ByteSet& big, const ByteSet& small) {
  return FindImageInImageBytes(big.data(), static_cast<std::int32_t>(big.size()), small.data(),
                               static_cast<std::int32_t>(small.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const char* way = argc > 1 ? argv[1] : "";
  const ByteSet rle = Rle8192();
  const ByteSet capture = bench::SceneBmp();
  struct rusage before {};
  getrusage(RUSAGE_SELF, &before);
  const auto start = std::chrono::steady_clock::now();
  long result = -1;
  if (std::strcmp(way, "target") == 0) {
    result = Zt(capture, rle);
  } else if (std::strcmp(way, "itself") == 0) {
    result = Zt(rle, rle);
  } else if (std::strcmp(way, "bitmap") == 0) {
    BitmapImage bitmap;
    result = bitmap.载入位图(rle) == 1 && bitmap.ConvertDepth(8) == 1;
  } else if (std::strcmp(way, "preview") == 0) {
    result = DecodeBmp(rle).has_value();
  } else {
    std::printf("usage: pixfarrow_rle_memory target|itself|bitmap|preview\n");
    return 2;
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  struct rusage after {};
  getrusage(RUSAGE_SELF, &after);
  std::printf("%s: result %ld, %.0f ms, peak resident %.0f MB (%.0f MB before the call), file %zu bytes\n", way,
              result, ms, after.ru_maxrss / 1024.0, before.ru_maxrss / 1024.0, rle.size());
  return 0;
}
