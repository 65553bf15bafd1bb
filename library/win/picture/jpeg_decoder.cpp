#include "library/win/picture/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace pixfarrow::picture {
namespace {

// libjpeg reports errors by calling error_exit, which must not return: jump back out.
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1); }
void OnMessage(j_common_ptr, int) {}

// Everything that owns memory lives outside the setjmp frame, so a jump leaks nothing.
bool Decode(std::span<const std::uint8_t> bytes, PictureImage* out) {
  jpeg_decompress_struct info;
  ErrorJump error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnError;
  error.manager.emit_message = OnMessage;
  if (setjmp(error.back)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
      static_cast<std::int64_t>(info.image_width) * info.image_height > kMaxPicturePixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  out->width = static_cast<int>(info.output_width);
  out->height = static_cast<int>(info.output_height);
  out->bgra.assign(static_cast<std::size_t>(out->width) * out->height * 4, 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &out->bgra[static_cast<std::size_t>(info.output_scanline) * out->width * 4];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<PictureImage> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
  PictureImage out;
  if (!Decode(bytes, &out)) return std::nullopt;
  return out;
}

}  // namespace pixfarrow::picture
