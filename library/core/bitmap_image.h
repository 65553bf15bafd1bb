#pragma once
// Portable core of the bitmap class "新位图操作类": the image as a packed DIB (40-byte info
// header, colour table, bottom-up rows), the class's three colour tables, loading from BMP
// bytes in memory and the depth conversion. The GDI side (memory DC, DIB section) is a
// Windows layer over this object; here the packed DIB is the image.
#include <cstdint>

#include "library/core/byte_set.h"
#include "library/core/dib_layout.h"

namespace pixfarrow {

// Depth of a loaded image: that of a bitmap compatible with a 32-bit display.
inline constexpr int kDisplayDepth = 32;

class BitmapImage {
 public:
  BitmapImage();

  // A copy duplicates the colour tables and the packed DIB (Copy).
  BitmapImage(const BitmapImage&) = default;
  BitmapImage& operator=(const BitmapImage&) = default;
  BitmapImage(BitmapImage&&) noexcept = default;
  BitmapImage& operator=(BitmapImage&&) noexcept = default;
  BitmapImage Copy() const { return *this; }

  void Reset();
  void BuildColorTables();

  // Decodes a whole BMP file in memory (no temporary file) into a bottom-up image at the
  // display depth. 1 loaded, 0 refused (the object is then empty).
  std::int32_t 载入位图(const ByteSet& bmpFileBytes);

  // The narrow form: an uncompressed bottom-up file with a 40-byte info header, a full
  // colour table for 1, 4 and 8 bits and the pixels right after it; kept at its own depth.
  // Any other file, or one shorter than its header says, gives 0 and an empty object.
  std::int32_t LoadFromBmpBytes(const ByteSet& bmpFileBytes);

  // A black image (index 0 at 1, 4 and 8 bits). 0 for a refused depth or size.
  std::int32_t CreateBlank(std::int32_t width, std::int32_t height, std::int32_t depth);

  // Header, colour table (the class's table for 1, 4 and 8 bits) and zeroed rows. 0, with
  // the packed DIB unchanged, for a depth other than 1, 4, 8, 16, 24 or 32 or a size that
  // is not positive or too large.
  std::int32_t BuildPackedDib(std::int32_t width, std::int32_t height, std::int32_t depth);

  // Replaces the image by the same pixels at `depth`; 0 when empty or for a refused depth.
  std::int32_t ConvertDepth(std::int32_t depth);

  // Readers of the packed DIB; 0 (or null) when empty.
  std::int32_t DibWidth() const;
  std::int32_t DibHeight() const;
  std::int32_t DibBitCount() const;
  std::int32_t Width() const { return DibWidth(); }
  std::int32_t Height() const { return DibHeight(); }
  std::int32_t BitsPerPixel() const { return DibBitCount(); }
  const std::uint8_t* DibAddress() const;
  const std::uint8_t* PixelBitsAddress() const;
  std::uint8_t* PixelBitsAddress();
  std::int32_t PixelBytesSize() const;
  const std::uint8_t* ColorTableAddress() const;
  std::int32_t ColorTableSize() const;
  std::int32_t DibRowBytes() const;
  const ByteSet& PackedDib() const { return packedDib_; }

  // The BMP file the class writes: file header, then the packed DIB as it stands.
  ByteSet ToBmpFileBytes() const;
  // A copy of the pixel rows: bottom row first, each padded with zero bytes to 4.
  ByteSet PixelBytes() const;

  const ByteSet& MonoPalette() const { return monoPalette_; }
  const ByteSet& Vga16Palette() const { return vga16Palette_; }
  const ByteSet& FixedPalette() const { return fixedPalette_; }

 private:
  ByteSet monoPalette_;
  ByteSet vga16Palette_;
  ByteSet fixedPalette_;
  ByteSet packedDib_;
};

}  // namespace pixfarrow
