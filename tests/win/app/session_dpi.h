#pragma once
// The DPI of the test prefix, and where a program's windows sit, seen from outside.
#include <windows.h>

namespace qv::test {

// Sets the prefix's DPI for programs started from now on, and puts the old values back.
class PrefixDpi {
 public:
  explicit PrefixDpi(DWORD dpi) {
    for (auto& key : keys_) {
      RegCreateKeyExW(key.root, key.path, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key.handle, nullptr);
      DWORD size = sizeof key.old;
      key.hadValue = RegQueryValueExW(key.handle, L"LogPixels", nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(&key.old), &size) == ERROR_SUCCESS;
      RegSetValueExW(key.handle, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
  }
  ~PrefixDpi() {
    for (auto& key : keys_) {
      if (!key.handle) continue;
      if (key.hadValue) {
        RegSetValueExW(key.handle, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&key.old), sizeof key.old);
      } else {
        RegDeleteValueW(key.handle, L"LogPixels");
      }
      RegCloseKey(key.handle);
    }
  }
  PrefixDpi(const PrefixDpi&) = delete;
  PrefixDpi& operator=(const PrefixDpi&) = delete;

 private:
  struct Key {
    HKEY root;
    const wchar_t* path;
    HKEY handle = nullptr;
    DWORD old = 0;
    bool hadValue = false;
  };
  Key keys_[2] = {
      {HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
      {HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"},
  };
};

inline RECT childRectInParent(HWND parent, int id) {
  RECT rect{};
  HWND child = GetDlgItem(parent, id);
  if (!child) return rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace qv::test
