#pragma once
// A temporary folder laid out as a user's copy of the program, removed at the end.
#include <string>

namespace qv::test {

// The folder of this test program.
std::wstring testProgramFolder();
// The built program and the stand-in libraries, next to this test program's folder.
std::wstring builtProgramPath();
std::wstring stubLibraryPath(const std::wstring& fileName);

class TempFolder {
 public:
  explicit TempFolder(const std::wstring& label);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  // Copies source to path()\relative, creating the folders on the way.
  bool copyIn(const std::wstring& source, const std::wstring& relative) const;

 private:
  std::wstring path_;
};

// Compares two folder paths, ignoring case and a trailing "\".
bool sameFolder(std::wstring a, std::wstring b);

}  // namespace qv::test
