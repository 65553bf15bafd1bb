#include "library/core/bitmap_image.h"

#include <algorithm>
#include <cstring>

#include "common/bmp/bmp_decoder.h"
#include "common/bmp/bmp_layout.h"
#include "common/bmp/le_bytes.h"
#include "library/core/color_tables.h"
#include "library/core/depth_conversion.h"

namespace pixfarrow {
namespace {

// Writes decoded rows straight into an image's pixel rows at the image's depth.
class EncodingSink final : public BmpRowSink {
 public:
  EncodingSink(BitmapImage& image, int depth) : image_(image), depth_(depth) {}
  void Begin(std::int32_t width, std::int32_t height) override {
    built_ = image_.BuildPackedDib(width, height, depth_) == 1;
    if (!built_) return;
    // Taken once: an image may have millions of rows.
    width_ = width;
    rows_ = image_.PixelBitsAddress();
    rowBytes_ = static_cast<std::size_t>(image_.DibRowBytes());
  }
  void Row(std::int32_t y, const std::uint32_t* pixels) override {
    if (built_) EncodeRow(depth_, pixels, width_, rows_ + static_cast<std::size_t>(y) * rowBytes_);
  }
  void Rows(std::int32_t y, std::int32_t count, const std::uint32_t* pixels) override {
    if (!built_ || count < 1) return;
    std::uint8_t* first = rows_ + static_cast<std::size_t>(y) * rowBytes_;
    EncodeRow(depth_, pixels, width_, first);
    for (std::int32_t i = 1; i < count; ++i) std::memcpy(first + static_cast<std::size_t>(i) * rowBytes_, first, rowBytes_);
  }
  bool Built() const { return built_; }

 private:
  BitmapImage& image_;
  int depth_;
  bool built_ = false;
  std::int32_t width_ = 0;
  std::uint8_t* rows_ = nullptr;
  std::size_t rowBytes_ = 0;
};

int ColorCountForDepth(int depth) { return depth <= 8 ? 1 << depth : 0; }

// RowBytes of width x bits in 64 bits: the widest accepted row (2^26 pixels at 32 bits)
// has 2^31 bits, one more than an int32 holds.
std::int64_t RowBytesOf(std::int64_t width, std::int64_t bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

}  // namespace

BitmapImage::BitmapImage() { BuildColorTables(); }

void BitmapImage::Reset() { packedDib_.clear(); }

void BitmapImage::BuildColorTables() {
  monoPalette_ = pixfarrow::MonoPalette();
  vga16Palette_ = pixfarrow::Vga16Palette();
  fixedPalette_ = pixfarrow::FixedPalette();
}

std::int32_t BitmapImage::载入位图(const ByteSet& bmpFileBytes) {
  Reset();
  EncodingSink sink(*this, kDisplayDepth);
  if (!DecodeBmp(bmpFileBytes, sink) || !sink.Built()) {
    Reset();
    return 0;
  }
  return 1;
}

std::int32_t BitmapImage::LoadFromBmpBytes(const ByteSet& bytes) {
  Reset();
  if (bytes.size() <= 54) return 0;
  const std::uint8_t* d = bytes.data();
  const std::int32_t width = ReadI32(d + 18), height = ReadI32(d + 22);
  if (width < 1 || height < 1) return 0;
  const int depth = ReadU16(d + 28);
  if (ReadU16(d) != kBmpSignature || ReadU32(d + 14) != kInfoHeaderSize || ReadU16(d + 26) != 1 ||
      !IsSupportedDepth(depth) || ReadU32(d + 30) != 0) {
    return 0;
  }
  const auto rowBytes = static_cast<std::uint64_t>(RowBytesOf(width, depth));
  if (static_cast<std::uint64_t>(width) * height > kMaxBmpPixels) return 0;
  const std::uint64_t dibSize = kInfoHeaderSize + 4ull * ColorCountForDepth(depth) + rowBytes * height;
  if (bytes.size() - kFileHeaderSize < dibSize) return 0;
  packedDib_.assign(bytes.begin() + kFileHeaderSize, bytes.begin() + kFileHeaderSize + static_cast<std::ptrdiff_t>(dibSize));
  return 1;
}

std::int32_t BitmapImage::CreateBlank(std::int32_t width, std::int32_t height, std::int32_t depth) {
  Reset();
  return BuildPackedDib(width, height, depth);
}

std::int32_t BitmapImage::BuildPackedDib(std::int32_t width, std::int32_t height, std::int32_t depth) {
  if (!IsSupportedDepth(depth) || width < 1 || height < 1 ||
      static_cast<std::uint64_t>(width) * height > kMaxBmpPixels) {
    return 0;
  }
  InfoHeader header;
  header.width = width;
  header.height = height;
  header.bitCount = static_cast<std::uint16_t>(depth);
  ByteSet dib = InfoHeaderBytes(header);
  const ByteSet* table = depth == 1 ? &monoPalette_ : depth == 4 ? &vga16Palette_ : depth == 8 ? &fixedPalette_ : nullptr;
  if (table) dib.insert(dib.end(), table->begin(), table->end());
  dib.resize(dib.size() + static_cast<std::size_t>(RowBytesOf(width, depth)) * height, 0);
  packedDib_ = std::move(dib);
  return 1;
}

std::int32_t BitmapImage::ConvertDepth(std::int32_t depth) {
  if (packedDib_.empty() || !IsSupportedDepth(depth)) return 0;
  const ByteSet file = ToBmpFileBytes();
  BitmapImage converted;
  EncodingSink sink(converted, depth);
  if (!DecodeBmp(file, sink) || !sink.Built()) return 0;
  packedDib_ = std::move(converted.packedDib_);
  return 1;
}

std::int32_t BitmapImage::DibWidth() const { return packedDib_.empty() ? 0 : ReadI32(packedDib_.data() + 4); }
std::int32_t BitmapImage::DibHeight() const { return packedDib_.empty() ? 0 : ReadI32(packedDib_.data() + 8); }
std::int32_t BitmapImage::DibBitCount() const { return packedDib_.empty() ? 0 : ReadU16(packedDib_.data() + 14); }

const std::uint8_t* BitmapImage::DibAddress() const { return packedDib_.empty() ? nullptr : packedDib_.data(); }

const std::uint8_t* BitmapImage::PixelBitsAddress() const {
  return packedDib_.empty() ? nullptr : packedDib_.data() + kInfoHeaderSize + ColorTableSize();
}
std::uint8_t* BitmapImage::PixelBitsAddress() {
  return packedDib_.empty() ? nullptr : packedDib_.data() + kInfoHeaderSize + ColorTableSize();
}

std::int32_t BitmapImage::PixelBytesSize() const { return DibRowBytes() * DibHeight(); }

const std::uint8_t* BitmapImage::ColorTableAddress() const {
  return !packedDib_.empty() && DibBitCount() < 16 ? packedDib_.data() + kInfoHeaderSize : nullptr;
}

std::int32_t BitmapImage::ColorTableSize() const {
  if (packedDib_.empty()) return 0;
  return ColorCountOf(ByteSet(packedDib_.begin(), packedDib_.begin() + kInfoHeaderSize)) * 4;
}

std::int32_t BitmapImage::DibRowBytes() const {
  if (packedDib_.empty()) return 0;
  const std::int32_t planes = ReadU16(packedDib_.data() + 12);
  return static_cast<std::int32_t>(RowBytesOf(DibWidth(), std::int64_t{planes} * DibBitCount()));
}

ByteSet BitmapImage::ToBmpFileBytes() const {
  if (packedDib_.empty()) return {};
  FileHeader header;
  header.size = static_cast<std::uint32_t>(packedDib_.size() + kFileHeaderSize);
  header.offBits = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + ColorTableSize());
  ByteSet out = FileHeaderBytes(header);
  out.insert(out.end(), packedDib_.begin(), packedDib_.end());
  return out;
}

ByteSet BitmapImage::PixelBytes() const {
  const std::size_t n = static_cast<std::size_t>(PixelBytesSize());
  if (packedDib_.empty() || n > packedDib_.size()) return {};
  return ByteSet(packedDib_.end() - static_cast<std::ptrdiff_t>(n), packedDib_.end());
}

}  // namespace pixfarrow
