#include "app/core/library_lookup.h"

#include <cctype>

namespace quorvela {

namespace {

bool hasDriveRoot(std::string_view path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         path[2] == '\\';
}

// Splits after the root ("C:\" or "\"), drops "." and empty segments, lets ".." remove the
// segment before it but never the root.
std::string resolveDots(std::string_view path) {
  std::string root;
  if (hasDriveRoot(path)) {
    root.assign(path.data(), 3);
    path.remove_prefix(3);
  } else if (!path.empty() && path[0] == '\\') {
    root = "\\";
    path.remove_prefix(1);
  }
  std::vector<std::string_view> segments;
  while (!path.empty()) {
    const auto cut = path.find('\\');
    const std::string_view segment = path.substr(0, cut);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    if (cut == std::string_view::npos) break;
    path.remove_prefix(cut + 1);
  }
  std::string out = root;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (i) out += '\\';
    out += segments[i];
  }
  return out;
}

LibraryLookup lookupFor(std::string path) {
  LibraryLookup lookup{std::move(path), std::nullopt};
  if (isAbsoluteLibraryPath(lookup.path)) lookup.switchFolder = folderOfFile(lookup.path);
  return lookup;
}

}  // namespace

bool isAbsoluteLibraryPath(std::string_view path) {
  return (!path.empty() && path[0] == '\\') || hasDriveRoot(path);
}

std::string joinProgramPath(std::string_view folder, std::string_view path) {
  if (isAbsoluteLibraryPath(path)) return std::string(path);
  std::string joined(folder);
  joined += '\\';
  joined += path;
  return resolveDots(joined);
}

std::optional<std::string> folderOfFile(std::string_view file) {
  const auto cut = file.rfind('\\');
  if (cut == std::string_view::npos) return std::nullopt;
  // A file right under a drive root keeps the root's "\".
  if (cut == 2 && hasDriveRoot(file)) return std::string(file.data(), 3);
  if (cut == 0) return std::string("\\");
  return std::string(file.substr(0, cut));
}

std::vector<LibraryLookup> libraryLookups(const std::optional<std::string>& programFolder,
                                          std::string_view pathAsWritten) {
  std::vector<LibraryLookup> lookups;
  const std::string first =
      programFolder ? joinProgramPath(*programFolder, pathAsWritten) : std::string(pathAsWritten);
  lookups.push_back(lookupFor(first));
  if (programFolder && pathAsWritten.find('\\') != std::string_view::npos) {
    const std::string_view fileName = pathAsWritten.substr(pathAsWritten.rfind('\\') + 1);
    lookups.push_back(lookupFor(joinProgramPath(*programFolder, fileName)));
  }
  if (first != pathAsWritten) lookups.push_back(lookupFor(std::string(pathAsWritten)));
  return lookups;
}

}  // namespace quorvela
