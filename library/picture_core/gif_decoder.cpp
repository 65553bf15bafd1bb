#include "library/picture_core/gif_decoder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "library/picture_core/gif_lzw.h"

namespace pixfarrow::picture {
namespace {

// All frames together may hold no more than this many bytes of pixels.
constexpr std::int64_t kMaxAnimationBytes = 512LL * 1024 * 1024;

using Palette = std::array<std::array<std::uint8_t, 3>, 256>;

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Has(std::size_t n) const { return bytes_.size() - pos_ >= n; }
  std::uint8_t Byte() { return Has(1) ? bytes_[pos_++] : (ok_ = false, 0); }
  int Word() {
    const int lo = Byte();
    return lo | (Byte() << 8);
  }
  std::span<const std::uint8_t> Take(std::size_t n) {
    if (!Has(n)) {
      ok_ = false;
      pos_ = bytes_.size();
      return {};
    }
    auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ >= bytes_.size(); }

  // Data sub-blocks up to the zero-length terminator; `into` receives their bytes.
  void SubBlocks(std::vector<std::uint8_t>* into) {
    while (ok_) {
      const std::uint8_t size = Byte();
      if (!ok_ || size == 0) return;
      auto block = Take(size);
      if (into) into->insert(into->end(), block.begin(), block.end());
    }
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

int ReadPalette(Reader& r, std::uint8_t packed, Palette* palette) {
  if (!(packed & 0x80)) return 0;
  const int count = 2 << (packed & 7);
  for (int i = 0; i < count; ++i)
    for (int c = 0; c < 3; ++c) (*palette)[i][c] = r.Byte();
  return count;
}

struct Control {
  int delayMs = 0;
  int disposal = 0;
  int transparent = -1;
};

// Row of the frame that the n-th decoded row fills.
int FrameRow(int n, int height, bool interlaced) {
  if (!interlaced) return n;
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows = height > kStart[pass] ? (height - kStart[pass] + kStep[pass] - 1) / kStep[pass] : 0;
    if (n < rows) return kStart[pass] + n * kStep[pass];
    n -= rows;
  }
  return -1;
}

struct FrameRect {
  int left, top, width, height;
};

void ClearRect(PictureImage& canvas, const FrameRect& f) {
  for (int y = std::max(0, f.top); y < std::min(canvas.height, f.top + f.height); ++y)
    for (int x = std::max(0, f.left); x < std::min(canvas.width, f.left + f.width); ++x)
      std::memset(&canvas.bgra[(static_cast<std::size_t>(y) * canvas.width + x) * 4], 0, 4);
}

void Paint(PictureImage& canvas, const FrameRect& f, bool interlaced, const std::vector<std::uint8_t>& indexes,
           const Palette& palette, int colours, int transparent) {
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const int row = FrameRow(static_cast<int>(i / f.width), f.height, interlaced);
    const int x = f.left + static_cast<int>(i % f.width);
    const int y = f.top + row;
    const int index = indexes[i];
    if (row < 0 || x >= canvas.width || y >= canvas.height || index == transparent || index >= colours) continue;
    std::uint8_t* p = &canvas.bgra[(static_cast<std::size_t>(y) * canvas.width + x) * 4];
    p[0] = palette[index][2];
    p[1] = palette[index][1];
    p[2] = palette[index][0];
    p[3] = 255;
  }
}

}  // namespace

std::optional<Animation> DecodeGif(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 13) return std::nullopt;
  if (std::memcmp(bytes.data(), "GIF87a", 6) != 0 && std::memcmp(bytes.data(), "GIF89a", 6) != 0)
    return std::nullopt;
  Reader r(bytes.subspan(6));
  Animation anim;
  anim.width = r.Word();
  anim.height = r.Word();
  const std::uint8_t packed = r.Byte();
  r.Byte();  // background colour: frames start transparent instead
  r.Byte();  // aspect ratio
  if (anim.width <= 0 || anim.height <= 0 ||
      static_cast<std::int64_t>(anim.width) * anim.height > kMaxPicturePixels)
    return std::nullopt;
  Palette global{};
  anim.globalColourCount = ReadPalette(r, packed, &global);
  if (!r.ok()) return std::nullopt;

  const std::int64_t frameBytes = static_cast<std::int64_t>(anim.width) * anim.height * 4;
  PictureImage canvas{anim.width, anim.height, std::vector<std::uint8_t>(static_cast<std::size_t>(frameBytes), 0)};
  Control control;
  bool done = false;

  while (!done && r.ok() && !r.AtEnd()) {
    switch (r.Byte()) {
      case 0x21: {  // extension
        const std::uint8_t label = r.Byte();
        if (label == 0xF9) {
          std::vector<std::uint8_t> gce;
          r.SubBlocks(&gce);
          if (gce.size() >= 4) {
            control.disposal = (gce[0] >> 2) & 7;
            control.delayMs = (gce[1] | (gce[2] << 8)) * 10;
            control.transparent = (gce[0] & 1) ? gce[3] : -1;
          }
        } else if (label == 0xFF) {
          std::vector<std::uint8_t> app;
          r.SubBlocks(&app);
          if (app.size() >= 14 && std::memcmp(app.data(), "NETSCAPE2.0", 11) == 0 && app[11] == 1)
            anim.loopCount = app[12] | (app[13] << 8);
        } else {
          r.SubBlocks(nullptr);
        }
        break;
      }
      case 0x2C: {  // image
        FrameRect f{r.Word(), r.Word(), r.Word(), r.Word()};
        const std::uint8_t imagePacked = r.Byte();
        Palette local{};
        const int localCount = ReadPalette(r, imagePacked, &local);
        const int minCodeSize = r.Byte();
        std::vector<std::uint8_t> data;
        r.SubBlocks(&data);
        if (!r.ok() && data.empty()) {
          done = true;
          break;
        }
        if (static_cast<std::int64_t>(anim.frames.size() + 1) * frameBytes > kMaxAnimationBytes)
          return std::nullopt;
        const Palette& palette = localCount ? local : global;
        const int colours = localCount ? localCount : anim.globalColourCount;
        const std::size_t pixels = static_cast<std::size_t>(f.width) * static_cast<std::size_t>(f.height);

        PictureImage before;
        if (control.disposal == 3) before = canvas;
        if (pixels > 0 && static_cast<std::int64_t>(pixels) <= kMaxPicturePixels) {
          const auto indexes = DecodeGifLzw(data, minCodeSize, pixels);
          Paint(canvas, f, (imagePacked & 0x40) != 0, indexes, palette, colours, control.transparent);
        }
        anim.frames.push_back({canvas, control.delayMs});
        if (control.disposal == 2) ClearRect(canvas, f);
        if (control.disposal == 3) canvas = std::move(before);
        control = Control{};
        break;
      }
      case 0x3B:  // trailer
        done = true;
        break;
      default:  // anything else ends the readable part
        done = true;
        break;
    }
  }
  if (anim.frames.empty()) return std::nullopt;
  return anim;
}

}  // namespace pixfarrow::picture
