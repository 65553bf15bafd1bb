#include "library/core/dib_layout.h"

#include "common/bmp/le_bytes.h"

namespace pixfarrow {

ByteSet InfoHeaderBytes(const InfoHeader& h) {
  ByteSet out;
  out.reserve(kInfoHeaderSize);
  AppendU32(out, static_cast<std::uint32_t>(h.size));
  AppendU32(out, static_cast<std::uint32_t>(h.width));
  AppendU32(out, static_cast<std::uint32_t>(h.height));
  AppendU16(out, h.planes);
  AppendU16(out, h.bitCount);
  AppendU32(out, h.compression);
  AppendU32(out, h.sizeImage);
  AppendU32(out, static_cast<std::uint32_t>(h.xPelsPerMeter));
  AppendU32(out, static_cast<std::uint32_t>(h.yPelsPerMeter));
  AppendU32(out, h.clrUsed);
  AppendU32(out, h.clrImportant);
  return out;
}

ByteSet FileHeaderBytes(const FileHeader& h) {
  ByteSet out;
  out.reserve(kFileHeaderSize);
  AppendU16(out, h.type);
  AppendU32(out, h.size);
  AppendU16(out, h.reserved1);
  AppendU16(out, h.reserved2);
  AppendU32(out, h.offBits);
  return out;
}

std::int32_t RowBytes(std::int32_t bits) {
  const auto u = static_cast<std::uint32_t>(bits);
  return static_cast<std::int32_t>(((u + 31) >> 5) << 2);
}

std::int32_t ColorCountOf(const ByteSet& headerBytes) {
  if (headerBytes.size() < 16) return 0;
  switch (ReadU16(headerBytes.data() + 14)) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

}  // namespace pixfarrow
