#pragma once
// Little-endian field access in byte buffers. Readers assume the caller checked the bounds.
#include <cstdint>
#include <vector>

namespace pixfarrow {

inline std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t ReadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadU32(p)); }

inline void AppendU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  AppendU16(out, v);
  AppendU16(out, v >> 16);
}

}  // namespace pixfarrow
