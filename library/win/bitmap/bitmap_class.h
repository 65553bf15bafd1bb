#pragma once
// "新位图操作类" on Windows: the portable BitmapImage (colour tables and packed DIB) plus its
// GDI half, a DIB section selected into a memory DC of the object's own, and the screen DC.
// The operations are virtual in their fixed order. Loading decodes in memory with the
// core's decoder (no temporary file); depth conversion follows the core's rule, after which
// the DIB section is made anew from the converted packed DIB.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "library/core/bitmap_image.h"
#include "library/core/byte_set.h"
#include "library/core/dib_layout.h"
#include "library/win/bitmap/gdi_owners.h"
#include "library/win/bitmap/selected_dib.h"

namespace pixfarrow::win {

class 新位图操作类 {
 public:
  // Builds the colour tables and takes the screen DC.
  新位图操作类();
  virtual ~新位图操作类() = default;
  新位图操作类(const 新位图操作类&) = delete;
  新位图操作类& operator=(const 新位图操作类&) = delete;

  // 0: gives back every GDI object, the screen DC included, and the image.
  virtual void Release();
  // 1: a new object with the tables and the packed DIB duplicated. It owns GDI objects of
  // its own (screen DC, memory DC, DIB section built from the duplicated packed DIB, with
  // this object's current pixels), so either object may be released first.
  virtual std::unique_ptr<新位图操作类> Copy() const;
  // 2: empties the object; one that is already empty keeps everything, its screen DC too.
  virtual void Reset();
  // 3
  virtual void BuildColorTables();
  // 4: BMP file bytes decoded in memory into a bottom-up image at the display's depth.
  virtual std::int32_t 载入位图(const ByteSet& bmpFileBytes);
  // 5: the narrow form (info header, uncompressed, bottom-up), kept at its own depth.
  virtual std::int32_t LoadFromBmpBytes(const ByteSet& bmpFileBytes);
  // 6: the system's file loader (a display-compatible bitmap), then LoadFromBitmapHandle.
  virtual std::int32_t LoadFromFile(const std::string& path);
  // 7: a copy of the bitmap at `depth` (0: the bitmap's own) through GDI; the bitmap
  // stays the caller's. 0, with the object empty, for no bitmap or a refused depth.
  virtual std::int32_t LoadFromBitmapHandle(HBITMAP bitmap, std::int32_t depth = 0);
  // 8: the icon drawn on white at width x height (absent: 32 each; an explicit 0 stays 0),
  // captured at depth (absent: 32). 1 when an image results.
  virtual std::int32_t LoadFromIcon(HICON icon, std::optional<std::int32_t> width = std::nullopt,
                                    std::optional<std::int32_t> height = std::nullopt,
                                    std::optional<std::int32_t> depth = std::nullopt);
  // 9: part of the screen in screen coordinates. Width and height 0 reach to the edge of
  // the primary display, depth 0 is the display's. 0, with the object empty, for a refused
  // depth or a size that is not positive.
  virtual std::int32_t CaptureScreenArea(std::int32_t x = 0, std::int32_t y = 0, std::int32_t width = 0,
                                         std::int32_t height = 0, std::int32_t depth = 0);
  // 10: part of a window's client area, in client coordinates, from what the window paints
  // (PrintWindow), so windows over it do not matter. Width and height 0 reach to the
  // client area's edge; depth 0 is 24. 0, with the object empty, for a minimised or hidden
  // window, a refused depth or size, or a failed PrintWindow.
  virtual std::int32_t CaptureWindowClient(HWND window, std::int32_t x = 0, std::int32_t y = 0,
                                           std::int32_t width = 0, std::int32_t height = 0,
                                           std::int32_t depth = 0);
  // 11: the area of a DC (its left and top in the source's coordinates) at depth.
  virtual std::int32_t CaptureFromDC(HDC source, const RECT& area, std::int32_t depth);
  // 12: takes over a DIB section whose packed DIB (header, table, rows) the caller gives;
  // returns what selecting it displaced from a new memory DC. The DC is not kept. Nothing,
  // with the object empty and the handle still the caller's, when the bytes do not
  // describe that DIB section.
  virtual HGDIOBJ AdoptBitmap(HBITMAP dibSection, HDC dc, const ByteSet& packedDib);
  // 13: a copy of the clipboard's bitmap at depth (0: its own), taken while the clipboard
  // is open; the clipboard keeps its bitmap.
  virtual std::int32_t LoadFromClipboard(std::int32_t depth = 0);
  // 14: a black image; 0, with the object empty, for a refused depth or size.
  virtual std::int32_t CreateBlank(std::int32_t width, std::int32_t height, std::int32_t depth);
  // 15: the DIB section's pixels copied into the packed DIB, GDI's batch flushed first.
  virtual void SyncPixelBytes();
  // 16: the packed DIB alone (the DIB section is not touched); 0 for a refused depth.
  virtual std::int32_t BuildPackedDib(std::int32_t width, std::int32_t height, std::int32_t depth);
  // 17: the same pixels at `depth` (FixedPalette indexes at 8 bits); 0 when empty or for a
  // refused depth, the image then unchanged.
  virtual std::int32_t ConvertDepth(std::int32_t depth);
  // 18: blits width x height (absent: this image's size; an explicit 0 stays 0) from
  // (sourceX, sourceY) to (targetX, targetY) of the target, whose packed DIB then holds the
  // drawn pixels. 0 when either object holds no image or the blit fails.
  virtual std::int32_t DrawTo(新位图操作类& target, std::int32_t sourceX = 0, std::int32_t sourceY = 0,
                              std::optional<std::int32_t> width = std::nullopt,
                              std::optional<std::int32_t> height = std::nullopt, std::int32_t targetX = 0,
                              std::int32_t targetY = 0);
  // 19, 20: borrowed handles, null when empty.
  virtual HBITMAP GetBitmapHandle() const;
  virtual HDC GetMemoryDC() const;
  // 21 to 23: fields of the packed DIB's header.
  virtual std::int32_t DibWidth() const;
  virtual std::int32_t DibHeight() const;
  virtual std::int32_t DibBitCount() const;
  // 24 to 26: of the DIB section (GetObjectA); 0 when empty.
  virtual std::int32_t Width() const;
  virtual std::int32_t Height() const;
  virtual std::int32_t BitsPerPixel() const;
  // 27 to 33: the packed DIB's layout; 0 or null when empty.
  virtual const std::uint8_t* DibAddress() const;
  virtual const std::uint8_t* PixelBitsAddress() const;
  virtual std::int32_t PixelBytesSize() const;
  virtual const std::uint8_t* ColorTableAddress() const;
  virtual std::int32_t ColorTableSize() const;
  virtual std::int32_t ColorCountOf(const ByteSet& headerBytes) const;
  virtual std::int32_t DibRowBytes() const;
  // 34 to 36
  virtual std::int32_t RowBytes(std::int32_t bits) const;
  virtual ByteSet InfoHeaderBytes(const InfoHeader& header) const;
  virtual ByteSet FileHeaderBytes(const FileHeader& header) const;
  // 37, 38: first bring the packed DIB up to date when the DIB section holds newer pixels.
  virtual ByteSet ToBmpFileBytes();
  virtual ByteSet PixelBytes();
  // 39: the pixel's colour, CLR_INVALID outside the image or when the object is empty.
  virtual COLORREF GetPixelColor(std::int32_t x, std::int32_t y);
  // 40: sets one pixel through GDI (the packed DIB catches up when it is next read); 0
  // outside the image or when the object is empty.
  virtual std::int32_t SetPixelColor(std::int32_t x, std::int32_t y, COLORREF colour);
  // 41: a display-compatible copy handed to the clipboard, which then owns it; 1 when the
  // clipboard took it (else the copy is freed here).
  virtual std::int32_t CopyToClipboard();
  // 42: paints the image at the top-left of a window's DC (0: the screen).
  virtual void PaintToWindow(HWND window);

  // The fields behind the operations, for the class's own tests.
  HDC ScreenDC() const { return screenDC_.get(); }
  const std::uint8_t* DibBits() const { return dib_ ? dib_->dibBits : nullptr; }
  std::int32_t PixelsChanged() const { return pixelsChanged_; }
  const BitmapImage& Image() const { return image_; }

 private:
  // The DIB section made from the packed DIB as it stands (against reference, default the
  // screen DC), its pixels copied from the packed DIB (fromPackedDib) or left to the
  // caller; false and the object empty on failure.
  bool MakeDibFromPackedDib(bool fromPackedDib, HDC reference = nullptr);
  // The end of every capture: width x height from (x, y) of source blitted into a new
  // image at depth, through a direct-colour DIB so that 1, 4 and 8 bits take the core's
  // colour rule. The object must be empty; 0 leaves it empty.
  std::int32_t BlitIn(HDC source, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      std::int32_t depth, HDC reference = nullptr);
  // Copies the DIB section's pixels, after a GdiFlush, into the packed DIB, never past the
  // smaller of the two.
  void CopyDibBitsToPackedDib();
  void SyncWhenChanged();

  // Ends in reverse order: DIB section and memory DC first, then the screen DC.
  BitmapImage image_;
  ScreenDc screenDC_;
  std::optional<SelectedDib> dib_;
  std::int32_t pixelsChanged_ = 0;
};

}  // namespace pixfarrow::win
