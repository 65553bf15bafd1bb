#pragma once
// The library's numbering of special folders (1 to 13) and the CSIDL each stands for.
#include <cstdint>
#include <optional>

namespace pixfarrow {

inline constexpr std::int32_t kTempFolderIndex = 11;

// The CSIDL of a folder index; nothing for the temporary folder (11), which has none. An
// index outside 1 to 13 counts as 3, the desktop folder.
std::optional<std::int32_t> CsidlOfFolderIndex(std::int32_t index);

}  // namespace pixfarrow
