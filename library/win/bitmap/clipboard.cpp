// The clipboard's bitmap in and out. The clipboard is open only within each call, for the
// library's hidden window: opened for no window, EmptyClipboard leaves it without an owner,
// and SetClipboardData is documented to fail then.
#include "library/win/bitmap/bitmap_class.h"
#include "library/win/frame/declared_call.h"
#include "library/win/frame/hidden_owner_window.h"

namespace pixfarrow::win {
namespace {

class OpenClipboard {
 public:
  OpenClipboard() : open_(Declared<api::OpenClipboard>()(HiddenOwnerWindow()) != 0) {}
  ~OpenClipboard() {
    if (open_) Declared<api::CloseClipboard>()();
  }
  OpenClipboard(const OpenClipboard&) = delete;
  OpenClipboard& operator=(const OpenClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

std::int32_t 新位图操作类::LoadFromClipboard(std::int32_t depth) {
  Reset();
  const OpenClipboard clipboard;
  if (!clipboard) return 0;
  // Copied before the clipboard closes: another program may replace the bitmap after.
  const auto bitmap = static_cast<HBITMAP>(Declared<api::GetClipboardData>()(CF_BITMAP));
  return LoadFromBitmapHandle(bitmap, depth);
}

std::int32_t 新位图操作类::CopyToClipboard() {
  const auto record = BitmapRecord(GetBitmapHandle());
  if (!record) return 0;
  DeclaredGdi::Bitmap copy(Declared<api::CreateCompatibleBitmap>()(screenDC_.get(), record->bmWidth, record->bmHeight));
  {
    const DeclaredGdi::MemoryDc canvas = DeclaredGdi::memoryDcFor(nullptr);
    const DeclaredGdi::Selection chosen(canvas.get(), copy.get());
    if (!chosen) return 0;
    Declared<api::BitBlt>()(canvas.get(), 0, 0, record->bmWidth, record->bmHeight, dib_->memoryDC.get(), 0, 0,
                            SRCCOPY);
  }
  const OpenClipboard clipboard;
  if (!clipboard) return 0;
  Declared<api::EmptyClipboard>()();
  if (!Declared<api::SetClipboardData>()(CF_BITMAP, copy.get())) return 0;
  // The clipboard owns it now.
  static_cast<void>(copy.release());
  return 1;
}

}  // namespace pixfarrow::win
