// The preview's picture from image file bytes: BMP through our own decoder first.
#include <gtest/gtest.h>

#include "app/win/target_image/picture_from_bytes.h"
#include "tests/support/bmp_builder.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using quorvela::win::PicturePanel;
using quorvela::win::SetPictureFromBytes;

TEST(SetPictureFromBytes, ShowsWhatDecodesAndNothingElse) {
  const ByteBuffer bmp = MakeBmp24(40, 30, [](int x, int) { return x < 20 ? 0xFF0000u : 0x0000FFu; });
  ByteBuffer cropped = bmp;
  cropped.resize(bmp.size() / 2);
  ByteBuffer wideClaim = bmp;
  wideClaim[21] = 0x7F;  // width 0x7F000028
  struct Case {
    const char* label;
    ByteBuffer bytes;
    bool shown;
  };
  const Case cases[] = {
      {"24-bit BMP", bmp, true},
      {"padded after its pixels", [&] { ByteBuffer b = bmp; b.resize(5000, 0); return b; }(), true},
      {"empty", {}, false},
      {"cropped BMP", cropped, false},
      {"impossible width", wideClaim, false},
      {"BM and nothing", {'B', 'M'}, false},
      {"not a picture", ByteBuffer(300, 0x5A), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    PicturePanel panel;
    SetPictureFromBytes(panel, bmp);  // a previous picture is replaced
    EXPECT_EQ(SetPictureFromBytes(panel, c.bytes), c.shown);
    EXPECT_EQ(panel.hasPicture(), c.shown);
  }
}

}  // namespace
}  // namespace qv::test
