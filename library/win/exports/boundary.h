#pragma once
// Values crossing the library boundary as 32-bit integers.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace pixfarrow::win {

inline HWND WindowFromValue(std::int32_t value) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
}

inline std::int32_t ValueFromWindow(HWND window) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window));
}

inline const std::uint8_t* BytesAt(std::int32_t address) {
  return reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(address)));
}

// BytesFromPointer: a copy of the caller's bytes. A length of 0 (or less), or a null
// address, gives the empty buffer without reading.
inline std::vector<std::uint8_t> BytesFromPointer(std::int32_t address, std::int32_t length) {
  if (address == 0 || length <= 0) return {};
  const std::uint8_t* first = BytesAt(address);
  return std::vector<std::uint8_t>(first, first + length);
}

}  // namespace pixfarrow::win
