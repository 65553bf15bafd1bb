#pragma once
// Special folder paths, as the bitmap class's loader and its callers name them: a folder
// index (1 to 13, special_folder_index.h) or a CSIDL, which takes precedence.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "library/core/byte_set.h"

namespace pixfarrow::win {

// The path as UTF-16 bytes ending in a backslash, with a 2-byte terminator; empty when the
// folder cannot be had or its path does not fit in MAX_PATH units with the backslash.
ByteSet SpecialFolderPathUtf16(std::int32_t folderIndex, std::optional<std::int32_t> csidl = std::nullopt);

// The same path as GBK (code page 936) text; empty when the folder cannot be had.
std::string SpecialFolderPath(std::int32_t folderIndex, std::optional<std::int32_t> csidl = std::nullopt);

// UTF-16 bytes (up to the first zero unit) in a code page, without a terminator; empty for
// an empty text or one that cannot be converted.
ByteSet Utf16ToMultiByteBytes(const ByteSet& utf16, UINT codePage);

// The same as text, in codePage, or in the system's ANSI code page when useCodePage is false.
std::string Utf16ToAnsiText(const ByteSet& utf16, UINT codePage, bool useCodePage = true);
std::string Utf16ToGbkText(const ByteSet& utf16);

}  // namespace pixfarrow::win
