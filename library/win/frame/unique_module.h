#pragma once
// Owner of one reference to a loaded library file.
#include <windows.h>

#include <utility>

namespace pixfarrow::win {

class UniqueModule {
 public:
  UniqueModule() = default;
  explicit UniqueModule(HMODULE module) : module_(module) {}
  ~UniqueModule() { reset(); }
  UniqueModule(UniqueModule&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
  UniqueModule& operator=(UniqueModule&& other) noexcept {
    if (this != &other) reset(std::exchange(other.module_, nullptr));
    return *this;
  }
  UniqueModule(const UniqueModule&) = delete;
  UniqueModule& operator=(const UniqueModule&) = delete;

  HMODULE get() const { return module_; }
  void reset(HMODULE module = nullptr) {
    if (module_) FreeLibrary(module_);
    module_ = module;
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace pixfarrow::win
