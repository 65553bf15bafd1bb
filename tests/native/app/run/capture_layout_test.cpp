// The capture layout, byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "app/core/run/capture_layout.h"

namespace quorvela {
namespace {

std::uint32_t at32(const ByteBuffer& b, std::size_t i) {
  std::uint32_t v;
  std::memcpy(&v, b.data() + i, 4);
  return v;
}
std::uint16_t at16(const ByteBuffer& b, std::size_t i) {
  std::uint16_t v;
  std::memcpy(&v, b.data() + i, 2);
  return v;
}

TEST(CaptureLayout, ImageSizeIsTheDevicesReportButNeverLessThanThePaddedRows) {
  struct Case {
    std::int32_t width, height;
    std::uint32_t reported, size;
  };
  const Case cases[] = {
      {800, 600, 0, 2400 * 600},  {801, 599, 0, 2404 * 599},  {1, 1, 0, 4},          {2, 3, 0, 8 * 3},
      {800, 600, 1440008, 1440008}, {800, 600, 100, 1440000}, {0, 600, 0, 0},           {800, 0, 0, 0},        {-5, 10, 0, 0},
      {100000, 100000, 0, 0},  // more than one buffer can hold
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CaptureImageSize(c.width, c.height, c.reported), c.size) << c.width << " x " << c.height;
  }
}

TEST(CaptureLayout, HeadersOf800By600) {
  CaptureHeader header;
  header.width = 800;
  header.height = 600;
  header.imageSize = CaptureImageSize(800, 600, 0);
  header.xPelsPerMeter = 3780;
  header.coloursUsed = 0;
  const ByteBuffer bytes = NewCaptureBuffer(header);
  ASSERT_EQ(bytes.size(), 54u + 2400u * 600u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(at32(bytes, 2), bytes.size());
  EXPECT_EQ(at32(bytes, 6), 0u);
  EXPECT_EQ(at32(bytes, 10), 54u);
  EXPECT_EQ(at32(bytes, 14), 40u);
  EXPECT_EQ(at32(bytes, 18), 800u);
  EXPECT_EQ(at32(bytes, 22), 600u);
  EXPECT_EQ(at16(bytes, 26), 1u);
  EXPECT_EQ(at16(bytes, 28), 24u);
  EXPECT_EQ(at32(bytes, 30), 0u);
  EXPECT_EQ(at32(bytes, 34), 2400u * 600u);
  EXPECT_EQ(at32(bytes, 38), 3780u);
  EXPECT_EQ(at32(bytes, 42), 0u);
}

}  // namespace
}  // namespace quorvela
