#include "library/win/bitmap/bitmap_class.h"

#include <algorithm>
#include <cstring>

#include "library/win/frame/declared_call.h"

namespace pixfarrow::win {
namespace {

void CopyBytes(std::uint8_t* to, const std::uint8_t* from, std::size_t n) {
  if (to && from && n > 0) std::memcpy(to, from, n);
}

}  // namespace

新位图操作类::新位图操作类() : screenDC_(TakeScreenDc()) {}

void 新位图操作类::Release() {
  dib_.reset();
  screenDC_.reset();
  image_.Reset();
  pixelsChanged_ = 0;
}

std::unique_ptr<新位图操作类> 新位图操作类::Copy() const {
  auto copy = std::make_unique<新位图操作类>();
  copy->image_ = image_;
  copy->pixelsChanged_ = pixelsChanged_;
  if (dib_ && copy->MakeDibFromPackedDib(false)) {
    Declared<api::GdiFlush>()();
    CopyBytes(copy->dib_->dibBits, dib_->dibBits, std::min(copy->dib_->bitsSize, dib_->bitsSize));
  }
  return copy;
}

void 新位图操作类::Reset() {
  if (image_.PackedDib().empty() && !dib_) return;
  dib_.reset();
  screenDC_.reset();
  image_.Reset();
  screenDC_ = TakeScreenDc();
  pixelsChanged_ = 0;
}

void 新位图操作类::BuildColorTables() { image_.BuildColorTables(); }

std::int32_t 新位图操作类::载入位图(const ByteSet& bmpFileBytes) {
  Reset();
  if (image_.载入位图(bmpFileBytes) != 1) return 0;
  return MakeDibFromPackedDib(true) ? 1 : 0;
}

std::int32_t 新位图操作类::LoadFromBmpBytes(const ByteSet& bmpFileBytes) {
  Reset();
  if (image_.LoadFromBmpBytes(bmpFileBytes) != 1) return 0;
  return MakeDibFromPackedDib(true) ? 1 : 0;
}

std::int32_t 新位图操作类::LoadFromFile(const std::string& path) {
  const DeclaredGdi::Bitmap loaded(
      static_cast<HBITMAP>(Declared<api::LoadImageA>()(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  return LoadFromBitmapHandle(loaded.get(), 0);
}

std::int32_t 新位图操作类::LoadFromBitmapHandle(HBITMAP bitmap, std::int32_t depth) {
  Reset();
  const auto record = BitmapRecord(bitmap);
  if (!record) return 0;
  const DeclaredGdi::MemoryDc source = DeclaredGdi::memoryDcFor(screenDC_.get());
  const DeclaredGdi::Selection chosen(source.get(), bitmap);
  if (!chosen) return 0;
  if (depth == 0) depth = record->bmBitsPixel;
  if (image_.BuildPackedDib(record->bmWidth, record->bmHeight, depth) != 1) return 0;
  if (!MakeDibFromPackedDib(false)) return 0;
  Declared<api::BitBlt>()(dib_->memoryDC.get(), 0, 0, record->bmWidth, record->bmHeight, source.get(), 0, 0,
                          SRCCOPY);
  CopyDibBitsToPackedDib();
  return 1;
}

std::int32_t 新位图操作类::CreateBlank(std::int32_t width, std::int32_t height, std::int32_t depth) {
  Reset();
  if (image_.BuildPackedDib(width, height, depth) != 1) return 0;
  if (!MakeDibFromPackedDib(false)) return 0;
  CopyDibBitsToPackedDib();
  return 1;
}

void 新位图操作类::SyncPixelBytes() {
  if (!image_.PackedDib().empty()) CopyDibBitsToPackedDib();
}

std::int32_t 新位图操作类::BuildPackedDib(std::int32_t width, std::int32_t height, std::int32_t depth) {
  return image_.BuildPackedDib(width, height, depth);
}

std::int32_t 新位图操作类::ConvertDepth(std::int32_t depth) {
  if (!dib_ || !BitmapRecord(dib_->dibSection.get())) return 0;
  // Convert the newest pixels; the old image stays whole until the new one exists.
  SyncWhenChanged();
  BitmapImage converted = image_;
  if (converted.ConvertDepth(depth) != 1) return 0;
  auto fresh = MakeSelectedDib(screenDC_.get(), converted.PackedDib(),
                               static_cast<std::size_t>(converted.PixelBytesSize()));
  if (!fresh) return 0;
  CopyBytes(fresh->dibBits, converted.PixelBitsAddress(), fresh->bitsSize);
  image_ = std::move(converted);
  dib_.reset();
  dib_.emplace(std::move(*fresh));
  return 1;
}

HBITMAP 新位图操作类::GetBitmapHandle() const { return dib_ ? dib_->dibSection.get() : nullptr; }
HDC 新位图操作类::GetMemoryDC() const { return dib_ ? dib_->memoryDC.get() : nullptr; }

std::int32_t 新位图操作类::DibWidth() const { return image_.DibWidth(); }
std::int32_t 新位图操作类::DibHeight() const { return image_.DibHeight(); }
std::int32_t 新位图操作类::DibBitCount() const { return image_.DibBitCount(); }

std::int32_t 新位图操作类::Width() const {
  const auto record = BitmapRecord(GetBitmapHandle());
  return record ? record->bmWidth : 0;
}
std::int32_t 新位图操作类::Height() const {
  const auto record = BitmapRecord(GetBitmapHandle());
  return record ? record->bmHeight : 0;
}
std::int32_t 新位图操作类::BitsPerPixel() const {
  const auto record = BitmapRecord(GetBitmapHandle());
  return record ? record->bmBitsPixel : 0;
}

const std::uint8_t* 新位图操作类::DibAddress() const { return image_.DibAddress(); }
const std::uint8_t* 新位图操作类::PixelBitsAddress() const { return image_.PixelBitsAddress(); }
std::int32_t 新位图操作类::PixelBytesSize() const { return image_.PixelBytesSize(); }
const std::uint8_t* 新位图操作类::ColorTableAddress() const { return image_.ColorTableAddress(); }
std::int32_t 新位图操作类::ColorTableSize() const { return image_.ColorTableSize(); }
std::int32_t 新位图操作类::ColorCountOf(const ByteSet& headerBytes) const { return pixfarrow::ColorCountOf(headerBytes); }
std::int32_t 新位图操作类::DibRowBytes() const { return image_.DibRowBytes(); }
std::int32_t 新位图操作类::RowBytes(std::int32_t bits) const { return pixfarrow::RowBytes(bits); }
ByteSet 新位图操作类::InfoHeaderBytes(const InfoHeader& header) const { return pixfarrow::InfoHeaderBytes(header); }
ByteSet 新位图操作类::FileHeaderBytes(const FileHeader& header) const { return pixfarrow::FileHeaderBytes(header); }

ByteSet 新位图操作类::ToBmpFileBytes() {
  SyncWhenChanged();
  return image_.ToBmpFileBytes();
}

ByteSet 新位图操作类::PixelBytes() {
  SyncWhenChanged();
  return image_.PixelBytes();
}

bool 新位图操作类::MakeDibFromPackedDib(bool fromPackedDib, HDC reference) {
  auto fresh = MakeSelectedDib(reference ? reference : screenDC_.get(), image_.PackedDib(),
                               static_cast<std::size_t>(image_.PixelBytesSize()));
  if (!fresh) {
    image_.Reset();
    return false;
  }
  if (fromPackedDib) CopyBytes(fresh->dibBits, image_.PixelBitsAddress(), fresh->bitsSize);
  dib_.emplace(std::move(*fresh));
  return true;
}

void 新位图操作类::CopyDibBitsToPackedDib() {
  if (!dib_) return;
  // GDI may still hold drawing into the DIB section in its batch: let it land first.
  Declared<api::GdiFlush>()();
  CopyBytes(image_.PixelBitsAddress(), dib_->dibBits,
            std::min(dib_->bitsSize, static_cast<std::size_t>(image_.PixelBytesSize())));
}

void 新位图操作类::SyncWhenChanged() {
  if (pixelsChanged_ == 0) return;
  SyncPixelBytes();
  pixelsChanged_ = 0;
}

}  // namespace pixfarrow::win
