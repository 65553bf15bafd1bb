#include "app/win/library_binding/external_function_binder.h"

#include <optional>
#include <string>

#include "app/core/library_binding/binding_failure_text.h"
#include "app/core/library_binding/library_lookup.h"
#include "app/core/object/vol_exception.h"
#include "app/win/platform/current_directory_switch.h"
#include "app/win/platform/program_folder.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

namespace {

std::optional<std::string> programFolder() {
  const auto path = ProgramFilePath();
  if (!path) return std::nullopt;
  return folderOfFile(narrow(*path));
}

HMODULE loadOne(const LibraryLookup& lookup) {
  const std::wstring path = widen(lookup.path);
  if (!lookup.switchFolder) return LoadLibraryW(path.c_str());
  // Libraries that this one needs are found in its folder; the library's own start-up may
  // move the current directory, and the switch puts it back.
  const CurrentDirectorySwitch inLibraryFolder(widen(*lookup.switchFolder));
  return LoadLibraryW(path.c_str());
}

HMODULE loadLibrary(const std::optional<std::string>& folder, std::string_view pathAsWritten,
                    BoundLibraries& libraries) {
  for (const LibraryLookup& lookup : libraryLookups(folder, pathAsWritten)) {
    if (HMODULE module = loadOne(lookup)) {
      libraries.emplace_back(module);
      return module;
    }
  }
  return nullptr;
}

}  // namespace

int ExternalFunctionBinder(ExternalFunctionTable& table, BoundLibraries& libraries) {
  const std::optional<std::string> folder = programFolder();
  HMODULE module = nullptr;
  std::string_view libraryPath;
  for (std::size_t row = 0; row < kExternalFunctionRows.size(); ++row) {
    const ExternalFunctionRow& entry = kExternalFunctionRows[row];
    if (!entry.libraryPath.empty()) {
      libraryPath = entry.libraryPath;
      module = loadLibrary(folder, libraryPath, libraries);
    }
    if (!module) throw CVolException(-1, libraryLoadFailedText(libraryPath));
    FARPROC address = GetProcAddress(module, std::string(entry.exportName).c_str());
    if (!address) throw CVolException(-1, exportMissingText(libraryPath, entry.exportName));
    table.address[row] = address;
  }
  return 1;
}

}  // namespace quorvela::win
