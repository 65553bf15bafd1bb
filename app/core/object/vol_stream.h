#pragma once
// The stream that objects read themselves from and write themselves to.
// Values are little-endian int32; byte buffers are an int32 length and the bytes.
// Once the state leaves 0 every further read or write does nothing.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>

#include "app/core/object/byte_buffer.h"

namespace quorvela {

class VolStream {
 public:
  static constexpr int kInOrder = 0;
  static constexpr int kShortRead = -3;
  static constexpr int kWriteFailed = -4;

  VolStream() = default;
  // A stream to read from.
  explicit VolStream(ByteBuffer bytes) : bytes_(std::move(bytes)) {}

  int state() const { return state_; }
  const ByteBuffer& bytes() const { return bytes_; }
  // Writes that would grow the stream past this many bytes fail.
  void limitSize(std::size_t maxBytes) { limit_ = maxBytes; }

  bool readInt32(std::int32_t& value);
  bool readBytes(ByteBuffer& out);
  bool readText(std::string& out);

  bool writeInt32(std::int32_t value);
  bool writeBytes(std::span<const std::uint8_t> data);
  bool writeText(const std::string& text);

 private:
  bool take(std::size_t count, const std::uint8_t*& at);
  bool reserve(std::size_t count);

  ByteBuffer bytes_;
  std::size_t readPos_ = 0;
  std::size_t limit_ = std::numeric_limits<std::size_t>::max();
  int state_ = kInOrder;
};

}  // namespace quorvela
