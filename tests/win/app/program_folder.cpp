#include "tests/win/app/program_folder.h"

#include <windows.h>

#include <atomic>

namespace qv::test {

namespace {

std::wstring folderOf(const std::wstring& file) { return file.substr(0, file.rfind(L'\\')); }

void removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::wstring testProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return folderOf(path);
}

std::wstring builtProgramPath() { return folderOf(testProgramFolder()) + L"\\dist\\Quorvela\\Quorvela.exe"; }

std::wstring stubLibraryPath(const std::wstring& fileName) { return testProgramFolder() + L"\\" + fileName; }

TempFolder::TempFolder(const std::wstring& label) {
  static std::atomic<int> counter{0};
  std::wstring temp(MAX_PATH, L'\0');
  temp.resize(GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
  path_ = temp + L"qv_app_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter) + L"_" + label;
  removeTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { removeTree(path_); }

bool TempFolder::copyIn(const std::wstring& source, const std::wstring& relative) const {
  const std::wstring target = path_ + L"\\" + relative;
  const auto cut = relative.rfind(L'\\');
  if (cut != std::wstring::npos) CreateDirectoryW((path_ + L"\\" + relative.substr(0, cut)).c_str(), nullptr);
  return CopyFileW(source.c_str(), target.c_str(), FALSE) != 0;
}

bool sameFolder(std::wstring a, std::wstring b) {
  for (auto* s : {&a, &b}) {
    while (!s->empty() && s->back() == L'\\') s->pop_back();
  }
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

}  // namespace qv::test
