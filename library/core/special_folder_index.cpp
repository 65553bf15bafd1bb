#include "library/core/special_folder_index.h"

#include <array>

namespace pixfarrow {

std::optional<std::int32_t> CsidlOfFolderIndex(std::int32_t index) {
  // Documents, favourites, desktop folder, fonts, start menu, programs, start-up,
  // application data, Windows, system, (temporary), internet cache, common application data.
  constexpr std::array<std::int32_t, 13> kCsidl = {5, 6, 16, 20, 11, 2, 7, 26, 36, 37, -1, 32, 35};
  if (index < 1 || index > 13) index = 3;
  if (index == kTempFolderIndex) return std::nullopt;
  return kCsidl[static_cast<std::size_t>(index - 1)];
}

}  // namespace pixfarrow
