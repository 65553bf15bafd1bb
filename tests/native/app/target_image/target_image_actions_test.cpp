#include "app/core/target_image/target_image_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/app/target_image/byte_pattern.h"

namespace quorvela {
namespace {

const std::string kSep = "\xB7\xD6\xB8\xEE";  // 分割 in GBK
constexpr std::uint32_t kMemoryBase = 0x10000;
constexpr char kWindowMissingLine[] = "[错误]没有找到微信窗口，请您打开微信";

struct LogLine {
  int type;
  std::string text;
  bool operator==(const LogLine&) const = default;
};

// What the world outside the run state answers.
struct Answers {
  std::uint32_t window = 0;    // what a window search finds
  int findResult = 0;          // what the image search answers
  bool previewDecodes = true;  // whether non-empty bytes show as a picture
  std::string captureText{};   // what the capture returns
  ByteBuffer memory{};         // the library's buffer, at kMemoryBase
};

// Collaborators that record what the actions ask of them, in one ordered trail.
struct FakeWorld : Answers, TargetImagePort {
  explicit FakeWorld(Answers setup) : Answers(std::move(setup)) {}
  ByteBuffer shot{1, 2, 3};  // what a window capture stores

  std::vector<std::string> trail;
  std::vector<LogLine> log;
  std::vector<ByteBuffer> fileWrites;
  std::vector<ByteBuffer> pictures;
  int placeholders = 0;
  std::vector<std::uint32_t> presses;
  std::vector<std::pair<ByteBuffer, ByteBuffer>> searches;

  // The port, answering for this run state.
  TargetImagePort& ports(RunState& state) {
    state_ = &state;
    return *this;
  }

  const char* runCapture() override {
    trail.push_back("capture");
    return captureText.c_str();
  }
  ByteBuffer readMemory(std::uint32_t address, std::int32_t length) override {
    const std::size_t offset = address - kMemoryBase;
    if (address < kMemoryBase || offset + static_cast<std::size_t>(length) > memory.size()) return {};
    return ByteBuffer(memory.begin() + static_cast<std::ptrdiff_t>(offset),
                      memory.begin() + static_cast<std::ptrdiff_t>(offset + static_cast<std::size_t>(length)));
  }
  std::uint32_t searchWindow() override {
    trail.push_back("search");
    return window;
  }
  std::int32_t findWeChatWindow() override {
    trail.push_back("find window");
    state_->windowHandle = window;
    if (window == 0) log.push_back({0, kWindowMissingLine});
    return window != 0 ? 1 : 0;
  }
  void captureWeChatWindow() override {
    trail.push_back("capture window");
    state_->screenshot.replace(shot);
  }
  std::int32_t findImageInShot(const ByteBuffer& s, const ByteBuffer& t) override {
    trail.push_back("find image");
    searches.emplace_back(s, t);
    return findResult;
  }
  void pressSendKey(std::uint32_t w) override {
    trail.push_back("press");
    presses.push_back(w);
  }
  void appendRunLog(int type, std::string_view text) override {
    trail.push_back("log");
    log.push_back({type, std::string(text)});
  }
  bool showPicture(const ByteBuffer& bytes) override {
    trail.push_back("picture");
    pictures.push_back(bytes);
    return !bytes.empty() && previewDecodes;
  }
  void showPlaceholder() override {
    trail.push_back("placeholder");
    ++placeholders;
  }
  void writeTargetFile(const ByteBuffer& bytes) override {
    trail.push_back("file");
    fileWrites.push_back(bytes);
  }

 private:
  RunState* state_ = nullptr;
};

using test::Pattern;

TEST(TargetImageStartup, FirstWindowSearchIsLoggedAsFoundOrWarning) {
  struct Case {
    std::uint32_t window;
    LogLine line;
  };
  const Case cases[] = {
      {0x1234, {2, "[提示]已找到微信窗口，请保持非最小化状态"}},
      {0, {1, "[警告]没有找到微信窗口，请您打开微信"}},
  };
  for (const auto& c : cases) {
    RunState state;
    state.windowHandle = 99;
    FakeWorld world(Answers{.window = c.window});
    ReportStartupWindow(state, world.ports(state));
    EXPECT_EQ(state.windowHandle, c.window);
    EXPECT_EQ(world.log, std::vector<LogLine>{c.line});
  }
}

TEST(TargetImageStartup, PlaceholderOnlyWhenTheStoredTargetShowsNothing) {
  struct Case {
    std::size_t stored;
    bool decodes;
    int placeholders;
  };
  const Case cases[] = {{0, true, 1}, {5000, false, 1}, {5000, true, 0}};
  for (const auto& c : cases) {
    RunState state;
    state.targetImage.replace(Pattern(c.stored));
    FakeWorld world(Answers{.previewDecodes = c.decodes});
    ShowStoredTarget(state, world.ports(state));
    ASSERT_EQ(world.pictures.size(), 1u);
    EXPECT_EQ(world.pictures[0], Pattern(c.stored));
    EXPECT_EQ(world.placeholders, c.placeholders);
    EXPECT_TRUE(world.log.empty());
  }
}

TEST(TargetImageCapture, TargetFileAndPreviewFollowEveryCapture) {
  struct Case {
    const char* label;
    std::string text;
    std::size_t size;  // of the new target, copied from the start of the library's buffer
  };
  const Case cases[] = {
      {"5000 bytes", "65536" + kSep + "5000", 5000},
      {"length 0", "65536" + kSep + "0", 0},
      {"nothing captured", "0" + kSep + "0", 0},
      {"no separator", "65536 5000", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    RunState state;
    state.targetImage.replace(ByteBuffer(300, 0xAA));  // the previous target
    FakeWorld world(Answers{.captureText = c.text, .memory = Pattern(5000)});
    EXPECT_EQ(OnTargetImageButton(TargetButton::Capture, state, world.ports(state)), 0);
    const ByteBuffer want = Pattern(c.size);
    EXPECT_EQ(*state.targetImage.snapshot(), want);
    EXPECT_EQ(world.fileWrites, std::vector<ByteBuffer>{want});
    EXPECT_EQ(world.pictures, std::vector<ByteBuffer>{want});
    EXPECT_EQ(world.placeholders, 0);
    EXPECT_TRUE(world.log.empty());
    EXPECT_EQ(world.trail, (std::vector<std::string>{"capture", "file", "picture"}));
  }
}

TEST(TargetImageCapture, TargetIsACopyThatOutlivesTheLibraryBuffer) {
  RunState state;
  FakeWorld world(Answers{.captureText = "65536" + kSep + "4", .memory = {1, 2, 3, 4}});
  CaptureNewTarget(state, world.ports(state));
  world.memory.assign(4, 0);
  EXPECT_EQ(*state.targetImage.snapshot(), (ByteBuffer{1, 2, 3, 4}));
}

TEST(TargetImageTestFind, ChecksTargetThenWindowThenSearchesOneCapture) {
  struct Case {
    const char* label;
    std::size_t target;
    std::uint32_t window;
    int found;
    std::vector<std::string> trail;
    std::vector<LogLine> log;
  };
  const Case cases[] = {
      {"no target, no window", 0, 0, 0, {"log"}, {{0, "[错误]您还没有截取目标图，请点击旁边截图按钮"}}},
      {"no target, window", 0, 7, 0, {"log"}, {{0, "[错误]您还没有截取目标图，请点击旁边截图按钮"}}},
      {"no window", 40, 0, 0, {"find window"}, {{0, kWindowMissingLine}}},
      {"found", 40, 7, 1, {"find window", "capture window", "find image", "log"}, {{2, "[提示]找图结果：已找到"}}},
      {"any non-zero is found", 40, 7, -3, {"find window", "capture window", "find image", "log"},
       {{2, "[提示]找图结果：已找到"}}},
      {"not found", 40, 7, 0, {"find window", "capture window", "find image", "log"},
       {{0, "[错误]找图结果：未找到"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    RunState state;
    state.targetImage.replace(Pattern(c.target));
    state.running = 1;
    state.roundCount = 5;
    FakeWorld world(Answers{.window = c.window, .findResult = c.found});
    EXPECT_EQ(OnTargetImageButton(TargetButton::TestFind, state, world.ports(state)), 0);
    EXPECT_EQ(world.trail, c.trail);
    EXPECT_EQ(world.log, c.log);
    if (!world.searches.empty()) {
      EXPECT_EQ(world.searches[0].first, world.shot);
      EXPECT_EQ(world.searches[0].second, Pattern(c.target));
    }
    EXPECT_EQ(state.running, 1);
    EXPECT_EQ(state.roundCount, 5);
  }
}

TEST(TargetImageTestSend, PressesInTheFoundWindowThenLogs) {
  struct Case {
    std::uint32_t window;
    std::vector<std::string> trail;
    std::vector<std::uint32_t> presses;
    std::vector<LogLine> log;
  };
  const Case cases[] = {
      {0, {"find window"}, {}, {{0, kWindowMissingLine}}},
      {0x5678, {"find window", "press", "log"}, {0x5678}, {{2, "[提示]已按下发送键"}}},
  };
  for (const auto& c : cases) {
    RunState state;  // no target needed
    FakeWorld world(Answers{.window = c.window});
    EXPECT_EQ(OnTargetImageButton(TargetButton::TestSend, state, world.ports(state)), 0);
    EXPECT_EQ(world.trail, c.trail);
    EXPECT_EQ(world.presses, c.presses);
    EXPECT_EQ(world.log, c.log);
  }
}

TEST(TargetImageButtons, OtherSenderDoesNothing) {
  RunState state;
  FakeWorld world(Answers{.window = 7, .captureText = "65536" + kSep + "4", .memory = {1, 2, 3, 4}});
  EXPECT_EQ(OnTargetImageButton(TargetButton::Other, state, world.ports(state)), 0);
  EXPECT_TRUE(world.trail.empty());
  EXPECT_EQ(state.targetImage.size(), 0);
}

}  // namespace
}  // namespace quorvela
