#pragma once
// Steps through UTF-8 text one code point at a time, never past its end.
#include <cstddef>
#include <string_view>

namespace quorvela {

class Utf8Cursor {
 public:
  static constexpr char32_t kInvalid = 0xFFFD;

  explicit Utf8Cursor(std::string_view text, std::size_t at = 0) : text_(text), at_(at) {}

  bool atEnd() const { return at_ >= text_.size(); }
  std::size_t offset() const { return at_; }

  // The code point here and its length in bytes; a broken sequence is one invalid byte.
  char32_t peek(std::size_t* length = nullptr) const;
  void advance() {
    std::size_t length = 0;
    peek(&length);
    at_ += length;
  }

 private:
  std::string_view text_;
  std::size_t at_;
};

inline char32_t Utf8Cursor::peek(std::size_t* length) const {
  std::size_t size = 0;
  char32_t value = kInvalid;
  if (!atEnd()) {
    const auto lead = static_cast<unsigned char>(text_[at_]);
    size = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (size == 1) {
      value = lead;
    } else if (size == 0 || at_ + size > text_.size()) {
      size = 1;
    } else {
      value = lead & (0x7F >> size);
      for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text_[at_ + i]);
        if ((next & 0xC0) != 0x80) {
          value = kInvalid;
          size = 1;
          break;
        }
        value = (value << 6) | (next & 0x3F);
      }
    }
  }
  if (length) *length = size;
  return value;
}

}  // namespace quorvela
