#include "app/core/target_image/plain_bmp.h"

#include "common/bmp/bmp_decoder.h"

namespace quorvela {

namespace {

constexpr std::size_t kHeaderBytes = 14 + 40;

void put16(ByteBuffer& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(ByteBuffer& out, std::size_t at, std::uint32_t value) {
  put16(out, at, value & 0xFFFF);
  put16(out, at + 2, value >> 16);
}

}  // namespace

bool LooksLikeBmp(std::span<const std::uint8_t> file) {
  return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

std::optional<ByteBuffer> RewriteAsPlainBmp(std::span<const std::uint8_t> file) {
  const auto image = pixfarrow::DecodeBmp(file);
  if (!image) return std::nullopt;
  const std::size_t pixelBytes = image->pixels.size() * 4;
  ByteBuffer out(kHeaderBytes + pixelBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  put32(out, 2, static_cast<std::uint32_t>(out.size()));
  put32(out, 10, kHeaderBytes);
  put32(out, 14, 40);
  put32(out, 18, static_cast<std::uint32_t>(image->width));
  put32(out, 22, static_cast<std::uint32_t>(image->height));  // bottom-up, as decoded
  put16(out, 26, 1);
  put16(out, 28, 32);
  put32(out, 34, static_cast<std::uint32_t>(pixelBytes));
  for (std::size_t i = 0; i < image->pixels.size(); ++i) put32(out, kHeaderBytes + 4 * i, image->pixels[i]);
  return out;
}

}  // namespace quorvela
