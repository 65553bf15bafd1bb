#pragma once
// The texts with which the binder reports a library or an export it cannot find (UTF-8).
#include <string>
#include <string_view>

namespace quorvela {

std::string libraryLoadFailedText(std::string_view libraryPath);
std::string exportMissingText(std::string_view libraryPath, std::string_view exportName);

}  // namespace quorvela
