#pragma once
// Where the program's executable lies.
#include <optional>
#include <string>

namespace quorvela::win {

// The full path of the program's executable; nothing when it cannot be had.
std::optional<std::wstring> ProgramFilePath();
// Its folder with a trailing "\"; empty when it cannot be had.
std::wstring ProgramFolder();

}  // namespace quorvela::win
