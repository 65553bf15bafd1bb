#pragma once
// The built Pixfarrow.dll, loaded by path and called as the program calls it.
#include <windows.h>

#include <cstdint>
#include <string>

namespace qv::test {

using ZtFn = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
using QwxjbFn = std::int32_t(__stdcall*)();
using JpxxFn = std::int32_t(__stdcall*)(std::int32_t);
using TdwxwbFn = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t);
using ScwxwbFn = std::int32_t(__stdcall*)(std::int32_t);
using JqmbtFn = std::int32_t(__stdcall*)();

// <test bin>\..\dist\Quorvela\模块\Pixfarrow.dll, made absolute.
std::wstring PixfarrowDllPath();

class PixfarrowDll {
 public:
  PixfarrowDll();  // LoadLibraryW; module() is null on failure
  ~PixfarrowDll();
  PixfarrowDll(const PixfarrowDll&) = delete;
  PixfarrowDll& operator=(const PixfarrowDll&) = delete;

  HMODULE module() const { return module_; }
  // Unloads now (the destructor then does nothing).
  void Unload();

  template <class Fn>
  Fn Export(const char* name) const {
    return module_ ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_ = nullptr;
};

inline std::int32_t AsInt(HWND window) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window)); }
inline std::int32_t AsInt(const void* p) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(p)); }

}  // namespace qv::test
