#include "library/win/bitmap/special_folder.h"

#include <cstring>
#include <vector>

#include "library/core/special_folder_index.h"
#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {
namespace {

constexpr std::size_t kPathUnits = MAX_PATH;

// The first `units` units of path and a 2-byte terminator, as bytes.
ByteSet PathBytes(const std::vector<wchar_t>& path, std::size_t units) {
  ByteSet bytes((units + 1) * sizeof(wchar_t), 0);
  std::memcpy(bytes.data(), path.data(), units * sizeof(wchar_t));
  return bytes;
}

}  // namespace

ByteSet SpecialFolderPathUtf16(std::int32_t folderIndex, std::optional<std::int32_t> csidl) {
  if (!csidl) csidl = CsidlOfFolderIndex(folderIndex);
  // Room for a full path, the backslash that may be added and the terminator.
  std::vector<wchar_t> path(kPathUnits + 2, 0);
  if (!csidl) {
    const DWORD units = Declared<api::GetTempPathW>()(static_cast<DWORD>(kPathUnits), path.data());
    if (units == 0 || units >= kPathUnits) return {};
    return PathBytes(path, units);
  }
  if (!Declared<api::SHGetSpecialFolderPathW>()(nullptr, path.data(), *csidl, FALSE)) return {};
  path[kPathUnits] = 0;
  const auto units = static_cast<std::size_t>(Declared<api::lstrlenW>()(path.data()));
  if (units == 0) return {};
  if (path[units - 1] == L'\\') return PathBytes(path, units);
  path[units] = L'\\';
  return PathBytes(path, units + 1);
}

std::string SpecialFolderPath(std::int32_t folderIndex, std::optional<std::int32_t> csidl) {
  return Utf16ToGbkText(SpecialFolderPathUtf16(folderIndex, csidl));
}

ByteSet Utf16ToMultiByteBytes(const ByteSet& utf16, UINT codePage) {
  std::vector<wchar_t> text(utf16.size() / sizeof(wchar_t) + 1, 0);
  std::memcpy(text.data(), utf16.data(), utf16.size() / sizeof(wchar_t) * sizeof(wchar_t));
  if (text[0] == 0) return {};
  const int needed = Declared<api::WideCharToMultiByte>()(codePage, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  ByteSet out(static_cast<std::size_t>(needed), 0);
  Declared<api::WideCharToMultiByte>()(codePage, 0, text.data(), -1, reinterpret_cast<char*>(out.data()), needed,
                                       nullptr, nullptr);
  out.resize(std::strlen(reinterpret_cast<const char*>(out.data())));
  return out;
}

std::string Utf16ToAnsiText(const ByteSet& utf16, UINT codePage, bool useCodePage) {
  const ByteSet bytes = Utf16ToMultiByteBytes(utf16, useCodePage ? codePage : CP_ACP);
  return std::string(bytes.begin(), bytes.end());
}

std::string Utf16ToGbkText(const ByteSet& utf16) { return Utf16ToAnsiText(utf16, 936); }

}  // namespace pixfarrow::win
