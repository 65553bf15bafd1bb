#include "app/core/object/vol_stream.h"

#include <gtest/gtest.h>

#include "app/core/framework/window_object.h"
#include "app/core/run/run_state.h"

namespace quorvela {
namespace {

RunState filledState() {
  RunState state;
  state.windowHandle = 0x80000001u;
  state.targetImage.replace({'B', 'M', 0, 255});
  state.screenshot.replace({});
  state.running = 1;
  state.roundCount = -2;
  state.timedRunArmed = 0;
  return state;
}

TEST(VolStream, RunStateWritesItsFieldsInOrderLittleEndian) {
  VolStream stream;
  filledState().writeToStream(&stream);
  ASSERT_EQ(stream.state(), VolStream::kInOrder);
  const ByteBuffer expected = {
      0x01, 0x00, 0x00, 0x80,                        // window handle
      0x04, 0x00, 0x00, 0x00, 'B', 'M', 0, 255,      // target image
      0x00, 0x00, 0x00, 0x00,                        // empty screenshot
      0x01, 0x00, 0x00, 0x00,                        // running
      0xFE, 0xFF, 0xFF, 0xFF,                        // round count
      0x00, 0x00, 0x00, 0x00,                        // timed run armed
  };
  EXPECT_EQ(stream.bytes(), expected);
}

TEST(VolStream, RunStateRoundTrip) {
  VolStream out;
  filledState().writeToStream(&out);
  VolStream in(out.bytes());
  RunState read;
  read.readFromStream(&in);
  EXPECT_EQ(in.state(), VolStream::kInOrder);
  EXPECT_EQ(read.windowHandle.load(), 0x80000001u);
  EXPECT_EQ(*read.targetImage.snapshot(), (ByteBuffer{'B', 'M', 0, 255}));
  EXPECT_TRUE(read.screenshot.snapshot()->empty());
  EXPECT_EQ(read.running.load(), 1);
  EXPECT_EQ(read.roundCount.load(), -2);
}

TEST(VolStream, ShortReadSetsMinus3AndStopsLaterReads) {
  VolStream out;
  filledState().writeToStream(&out);
  const ByteBuffer whole = out.bytes();
  // Cut inside the window handle, inside the target's length, inside its bytes, before the flags.
  for (std::size_t cut : {std::size_t{0}, std::size_t{2}, std::size_t{6}, std::size_t{10}, std::size_t{18}}) {
    VolStream in(ByteBuffer(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
    RunState read;
    read.readFromStream(&in);
    EXPECT_EQ(in.state(), VolStream::kShortRead) << cut;
    EXPECT_EQ(read.running.load(), 0) << cut;  // nothing after the failure was read
    std::int32_t value = 99;
    EXPECT_FALSE(in.readInt32(value));
    EXPECT_EQ(value, 99);
  }
}

TEST(VolStream, NegativeOrOversizedLengthIsAShortRead) {
  for (std::int32_t length : {-1, INT32_MIN, 5, INT32_MAX}) {
    VolStream out;
    out.writeInt32(length);
    out.writeInt32(0);  // four bytes follow
    VolStream in(out.bytes());
    ByteBuffer bytes{1};
    EXPECT_FALSE(in.readBytes(bytes)) << length;
    EXPECT_EQ(in.state(), VolStream::kShortRead) << length;
    EXPECT_EQ(bytes, ByteBuffer{1});
  }
}

TEST(VolStream, FailedWriteSetsMinus4AndStopsLaterWrites) {
  VolStream out;
  out.limitSize(10);
  filledState().writeToStream(&out);
  EXPECT_EQ(out.state(), VolStream::kWriteFailed);
  EXPECT_EQ(out.bytes().size(), 4u);  // the handle fitted, the target's 8 bytes did not
  EXPECT_FALSE(out.writeInt32(1));
  EXPECT_EQ(out.bytes().size(), 4u);
}

TEST(VolStream, NoStreamOrStreamOutOfOrderDoesNothing) {
  RunState state = filledState();
  state.readFromStream(nullptr);
  state.writeToStream(nullptr);
  VolStream broken(ByteBuffer{});
  std::int32_t value;
  broken.readInt32(value);
  ASSERT_EQ(broken.state(), VolStream::kShortRead);
  state.writeToStream(&broken);
  EXPECT_TRUE(broken.bytes().empty());
  EXPECT_EQ(state.running.load(), 1);
}

TEST(VolStream, WindowObjectStreamsItsText) {
  WindowObject source;
  source.text = "Quorvela2025版";
  VolStream out;
  source.writeToStream(&out);
  VolStream in(out.bytes());
  WindowObject read;
  read.readFromStream(&in);
  EXPECT_EQ(read.text, "Quorvela2025版");
}

}  // namespace
}  // namespace quorvela
