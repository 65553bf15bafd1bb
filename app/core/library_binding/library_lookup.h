#pragma once
// Where the binder looks for a library, in order, for a path as written in the table.
// Paths use "\" and are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvela {

struct LibraryLookup {
  std::string path;
  // An absolute path is loaded with the current directory switched to this folder.
  std::optional<std::string> switchFolder;
};

// Begins with "\" (also "\\server\share\" and "\\?\") or with a drive letter, ":" and "\".
bool isAbsoluteLibraryPath(std::string_view path);
// folder + "\" + relative with "." and ".." resolved, never above the folder's root
// ("C:\", "\\server\share\", "\"); a "\\?\" folder is joined as it stands; an absolute path
// unchanged.
std::string joinProgramPath(std::string_view folder, std::string_view path);
// The folder of a module file: everything before the last "\", a root with its "\"; nothing
// without one.
std::optional<std::string> folderOfFile(std::string_view file);

// 1. the path joined to the program folder (the path as written without a folder);
// 2. with a folder and a "\" in the path: the folder joined with the file name alone;
// 3. when 1 differs from the path as written: the path as written.
std::vector<LibraryLookup> libraryLookups(const std::optional<std::string>& programFolder,
                                          std::string_view pathAsWritten);

}  // namespace quorvela
