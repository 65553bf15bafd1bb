#include "app/core/object/vol_stream.h"

namespace quorvela {

bool VolStream::take(std::size_t count, const std::uint8_t*& at) {
  if (state_ != kInOrder) return false;
  if (bytes_.size() - readPos_ < count) {
    state_ = kShortRead;
    return false;
  }
  at = bytes_.data() + readPos_;
  readPos_ += count;
  return true;
}

bool VolStream::readInt32(std::int32_t& value) {
  const std::uint8_t* at = nullptr;
  if (!take(4, at)) return false;
  value = static_cast<std::int32_t>(std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 |
                                    std::uint32_t{at[2]} << 16 | std::uint32_t{at[3]} << 24);
  return true;
}

bool VolStream::readBytes(ByteBuffer& out) {
  std::int32_t length = 0;
  if (!readInt32(length)) return false;
  if (length < 0) {
    state_ = kShortRead;
    return false;
  }
  // The length is checked against what is left before anything is allocated.
  const std::uint8_t* at = nullptr;
  if (!take(static_cast<std::size_t>(length), at)) return false;
  out.assign(at, at + length);
  return true;
}

bool VolStream::readText(std::string& out) {
  ByteBuffer raw;
  if (!readBytes(raw)) return false;
  out.assign(raw.begin(), raw.end());
  return true;
}

bool VolStream::reserve(std::size_t count) {
  if (state_ != kInOrder) return false;
  if (count > limit_ || bytes_.size() > limit_ - count) {
    state_ = kWriteFailed;
    return false;
  }
  return true;
}

bool VolStream::writeInt32(std::int32_t value) {
  if (!reserve(4)) return false;
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
  return true;
}

bool VolStream::writeBytes(std::span<const std::uint8_t> data) {
  if (state_ != kInOrder) return false;
  if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    state_ = kWriteFailed;
    return false;
  }
  if (!reserve(4 + data.size())) return false;
  writeInt32(static_cast<std::int32_t>(data.size()));
  bytes_.insert(bytes_.end(), data.begin(), data.end());
  return true;
}

bool VolStream::writeText(const std::string& text) {
  return writeBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

}  // namespace quorvela
