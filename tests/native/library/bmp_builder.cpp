#include "bmp_builder.h"

#include "common/bmp/le_bytes.h"
#include "library/core/dib_layout.h"

namespace pixfarrow::test {

ByteSet BmpBuilder::Build() const {
  ByteSet dib;
  AppendU32(dib, headerSize);
  if (headerSize == 12) {
    AppendU16(dib, static_cast<std::uint32_t>(width));
    AppendU16(dib, static_cast<std::uint32_t>(height));
    AppendU16(dib, planes);
    AppendU16(dib, bitCount);
  } else {
    AppendU32(dib, static_cast<std::uint32_t>(width));
    AppendU32(dib, static_cast<std::uint32_t>(height));
    AppendU16(dib, planes);
    AppendU16(dib, bitCount);
    AppendU32(dib, compression);
    AppendU32(dib, static_cast<std::uint32_t>(pixelData.size()));
    AppendU32(dib, 2835);
    AppendU32(dib, 2835);
    AppendU32(dib, colorsUsed);
    AppendU32(dib, 0);
    if (headerSize == 40) {
      for (const std::uint32_t m : masks) AppendU32(dib, m);
    } else {
      for (std::size_t i = 0; dib.size() < headerSize; ++i) AppendU32(dib, i < masks.size() ? masks[i] : 0);
      dib.resize(headerSize);
    }
  }
  for (const std::uint32_t c : palette) {
    dib.push_back(static_cast<std::uint8_t>(c));
    dib.push_back(static_cast<std::uint8_t>(c >> 8));
    dib.push_back(static_cast<std::uint8_t>(c >> 16));
    if (headerSize != 12) dib.push_back(0);
  }
  const std::uint32_t offset = offBits >= 0 ? static_cast<std::uint32_t>(offBits)
                                            : static_cast<std::uint32_t>(kFileHeaderSize + dib.size());
  ByteSet file;
  AppendU16(file, kBmpSignature);
  AppendU32(file, static_cast<std::uint32_t>(kFileHeaderSize + dib.size() + pixelData.size()));
  AppendU32(file, 0);
  AppendU32(file, offset);
  file.insert(file.end(), dib.begin(), dib.end());
  file.insert(file.end(), pixelData.begin(), pixelData.end());
  return file;
}

ByteSet Bmp24(std::int32_t width, std::int32_t height, const std::function<std::uint32_t(int, int)>& colour) {
  BmpBuilder b;
  b.width = width;
  b.height = height;
  const std::int32_t row = RowBytes(width * 24);
  b.pixelData.assign(static_cast<std::size_t>(row) * height, 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = b.pixelData.data() + static_cast<std::size_t>(height - 1 - y) * row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      p[3 * x] = static_cast<std::uint8_t>(c);
      p[3 * x + 1] = static_cast<std::uint8_t>(c >> 8);
      p[3 * x + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
  return b.Build();
}

ByteSet Capture(std::int32_t width, std::int32_t height, int bits, bool topDown,
                const std::function<std::uint32_t(int, int)>& colour) {
  BmpBuilder b;
  b.width = width;
  b.height = topDown ? -height : height;
  b.bitCount = static_cast<std::uint16_t>(bits);
  const std::size_t row = static_cast<std::size_t>(RowBytes(width * bits)), step = static_cast<std::size_t>(bits / 8);
  b.pixelData.assign(row * static_cast<std::size_t>(height), 0x5A);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = b.pixelData.data() + static_cast<std::size_t>(topDown ? y : height - 1 - y) * row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      for (std::size_t k = 0; k < step; ++k) p[step * static_cast<std::size_t>(x) + k] = static_cast<std::uint8_t>(c >> (8 * k));
    }
  }
  return b.Build();
}

ByteSet Bmp8(std::int32_t width, std::int32_t height, const std::vector<std::uint32_t>& palette,
             const std::function<std::uint8_t(int, int)>& index) {
  BmpBuilder b;
  b.width = width;
  b.height = height;
  b.bitCount = 8;
  b.palette = palette;
  b.palette.resize(256, 0);
  const std::int32_t row = RowBytes(width * 8);
  b.pixelData.assign(static_cast<std::size_t>(row) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.pixelData[static_cast<std::size_t>(height - 1 - y) * row + x] = index(x, y);
  }
  return b.Build();
}

}  // namespace pixfarrow::test
