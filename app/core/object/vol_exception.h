#pragma once
// The one error type that travels through the program: a code and a text.
#include <cstdint>
#include <exception>
#include <string>
#include <utility>

namespace quorvela {

class CVolException : public std::exception {
 public:
  explicit CVolException(std::string text) : CVolException(-1, std::move(text)) {}
  CVolException(std::int32_t code, std::string text) : code_(code), text_(std::move(text)) {}

  std::int32_t code() const { return code_; }
  const std::string& text() const { return text_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::int32_t code_;
  std::string text_;
};

}  // namespace quorvela
