#include "app/core/library_binding/library_lookup.h"

#include <cctype>

namespace quorvela {

namespace {

constexpr std::string_view kVerbatimPrefix = "\\\\?\\";

bool hasDriveRoot(std::string_view path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         path[2] == '\\';
}

bool isVerbatim(std::string_view path) { return path.substr(0, kVerbatimPrefix.size()) == kVerbatimPrefix; }

// Up to and with the "\" after the segment that begins at `from` (all of it without one).
std::size_t afterSegment(std::string_view path, std::size_t from) {
  const auto cut = path.find('\\', from);
  return cut == std::string_view::npos ? path.size() : cut + 1;
}

// The part that ".." never climbs above, with its "\": "C:\", "\\server\share\",
// "\\?\C:\", "\\?\UNC\server\share\", "\"; 0 for a relative path.
std::size_t rootLength(std::string_view path) {
  if (hasDriveRoot(path)) return 3;
  if (isVerbatim(path)) {
    const std::size_t at = kVerbatimPrefix.size();
    const std::string_view rest = path.substr(at);
    if (hasDriveRoot(rest)) return at + 3;
    if (rest.substr(0, 4) == "UNC\\") return afterSegment(path, afterSegment(path, at + 4));
    return afterSegment(path, at);
  }
  if (path.substr(0, 2) == "\\\\") return afterSegment(path, afterSegment(path, 2));
  return !path.empty() && path[0] == '\\' ? 1 : 0;
}

// Splits after the root, drops "." and empty segments, lets ".." remove the segment before
// it but never the root.
std::string resolveDots(std::string_view path) {
  const std::size_t rootEnd = rootLength(path);
  std::string out(path.substr(0, rootEnd));
  path.remove_prefix(rootEnd);
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
  if (!segments.empty() && !out.empty() && out.back() != '\\') out += '\\';
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
  if (joined.empty() || joined.back() != '\\') joined += '\\';
  joined += path;
  // The system takes a "\\?\" path as it stands, dots and all.
  return isVerbatim(folder) ? joined : resolveDots(joined);
}

std::optional<std::string> folderOfFile(std::string_view file) {
  const auto cut = file.rfind('\\');
  if (cut == std::string_view::npos) return std::nullopt;
  // A file right under a root keeps the root's "\".
  const std::size_t rootEnd = rootLength(file);
  if (cut < rootEnd) return std::string(file.substr(0, rootEnd));
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
