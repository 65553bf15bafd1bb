#pragma once
// Folders of ANSI (GBK) paths, split without cutting a double-byte character.
#include <string>
#include <string_view>

namespace pixfarrow::win {

using LeadBytePredicate = bool (*)(unsigned char);

// The path up to and with its last '\' or '/', or "" when it has none. A byte after a
// lead byte is the second half of a character, never a separator (GBK uses 0x5C there).
std::string FolderOfAnsiPath(std::string_view path, LeadBytePredicate isLeadByte);

// Folder of the host executable (GetModuleFileNameA with no module), with its separator.
std::string HostExecutableFolderA();

}  // namespace pixfarrow::win
