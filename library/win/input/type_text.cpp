#include "library/win/input/type_text.h"

#include "library/win/frame/declared_call.h"
#include "library/win/input/post_input.h"

namespace pixfarrow::win {

namespace {

constexpr UINT kGbk = 936;

}  // namespace

std::string Utf8ToText(const std::vector<std::uint8_t>& utf8) {
  if (utf8.empty()) return {};
  const auto* source = reinterpret_cast<const char*>(utf8.data());
  const int sourceLength = static_cast<int>(utf8.size());
  const auto toWide = Declared<api::MultiByteToWideChar>();
  const int units = toWide(CP_UTF8, 0, source, sourceLength, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  toWide(CP_UTF8, 0, source, sourceLength, wide.data(), units);
  const auto toText = Declared<api::WideCharToMultiByte>();
  const int bytes = toText(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string text(static_cast<std::size_t>(bytes), '\0');
  toText(CP_ACP, 0, wide.data(), units, text.data(), bytes, nullptr, nullptr);
  return text;
}

void TypeText(HWND window, const std::string& text) {
  if (text.empty()) return;
  const std::string terminated = text + '\0';
  const auto toWide = Declared<api::MultiByteToWideChar>();
  const int units = toWide(kGbk, 0, terminated.c_str(), -1, nullptr, 0);
  if (units <= 1) return;
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  toWide(kGbk, 0, terminated.c_str(), -1, wide.data(), units);
  for (int i = 0; i + 1 < units; ++i) PostKey(window, static_cast<std::uint16_t>(wide[i]), PostKeyKind::Character);
}

}  // namespace pixfarrow::win
