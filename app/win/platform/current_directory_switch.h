#pragma once
// Switches the process's current directory for a scope and switches back at its end.
// When the current directory cannot be read, nothing is switched.
#include <string>

namespace quorvela::win {

class CurrentDirectorySwitch {
 public:
  explicit CurrentDirectorySwitch(const std::wstring& folder);
  ~CurrentDirectorySwitch();
  CurrentDirectorySwitch(const CurrentDirectorySwitch&) = delete;
  CurrentDirectorySwitch& operator=(const CurrentDirectorySwitch&) = delete;

 private:
  std::wstring before_;
};

}  // namespace quorvela::win
