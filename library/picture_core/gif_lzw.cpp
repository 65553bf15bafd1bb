#include "library/picture_core/gif_lzw.h"

#include <algorithm>
#include <array>

namespace pixfarrow::picture {
namespace {

constexpr int kMaxCodes = 4096;

class BitReader {
 public:
  explicit BitReader(std::span<const std::uint8_t> data) : data_(data) {}

  // -1 once the data is used up.
  int Read(int bits) {
    while (count_ < bits) {
      if (pos_ >= data_.size()) return -1;
      buffer_ |= static_cast<std::uint32_t>(data_[pos_++]) << count_;
      count_ += 8;
    }
    const int code = static_cast<int>(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    count_ -= bits;
    return code;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  std::uint32_t buffer_ = 0;
  int count_ = 0;
};

}  // namespace

std::vector<std::uint8_t> DecodeGifLzw(std::span<const std::uint8_t> data, int minCodeSize,
                                       std::size_t pixelCount) {
  std::vector<std::uint8_t> out;
  if (minCodeSize < 1 || minCodeSize > 11) return out;
  out.reserve(std::min(pixelCount, data.size() * 8));

  // Each code is a prefix code plus one last byte; strings are unwound into `stack`.
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{};
  std::array<std::uint8_t, kMaxCodes> first{};
  std::array<std::uint8_t, kMaxCodes> stack{};

  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  for (int i = 0; i < clear && i < kMaxCodes; ++i) {
    suffix[i] = static_cast<std::uint8_t>(i);
    first[i] = static_cast<std::uint8_t>(i);
  }
  int codeSize = minCodeSize + 1;
  int next = clear + 2;
  int previous = -1;
  BitReader reader(data);

  while (out.size() < pixelCount) {
    const int code = reader.Read(codeSize);
    if (code < 0 || code == end) break;
    if (code == clear) {
      codeSize = minCodeSize + 1;
      next = clear + 2;
      previous = -1;
      continue;
    }
    if (previous < 0) {
      if (code >= clear) break;  // the first code after a clear must be a literal
      out.push_back(suffix[code]);
      previous = code;
      continue;
    }
    if (code > next || (code == next && next >= kMaxCodes)) break;

    // The string of `code` (for code == next: previous string plus its own first byte).
    int depth = 0;
    int walk = code == next ? previous : code;
    const std::uint8_t lead = first[walk];
    while (walk >= clear) {
      stack[depth++] = suffix[walk];
      walk = prefix[walk];
    }
    stack[depth++] = suffix[walk];
    for (int i = depth - 1; i >= 0 && out.size() < pixelCount; --i) out.push_back(stack[i]);
    if (code == next && out.size() < pixelCount) out.push_back(lead);

    if (next < kMaxCodes) {
      prefix[next] = static_cast<std::uint16_t>(previous);
      suffix[next] = lead;
      first[next] = first[previous];
      ++next;
      if (next == (1 << codeSize) && codeSize < 12) ++codeSize;
    }
    previous = code;
  }
  return out;
}

}  // namespace pixfarrow::picture
