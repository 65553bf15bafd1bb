// The target image's three buttons and its preview in the built program, driven as a user
// drives them: with the stand-in library's capture, and with the real library against the
// WeChat stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "app/core/control_centre/control_centre_design.h"
#include "common/win/kernel_owners.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/standin_client.h"
#include "tests/win/app/target_image/file_folder.h"
#include "tests/win/app/built_program.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using namespace quorvela::control_centre;

const std::wstring kWindowFoundAtStart = L"[提示]已找到微信窗口，请保持非最小化状态";
const std::wstring kWindowMissingAtStart = L"[警告]没有找到微信窗口，请您打开微信";
const std::wstring kWindowMissing = L"[错误]没有找到微信窗口，请您打开微信";
const std::wstring kNoTarget = L"[错误]您还没有截取目标图，请点击旁边截图按钮";
const std::wstring kFound = L"[提示]找图结果：已找到";
const std::wstring kNotFound = L"[错误]找图结果：未找到";
const std::wstring kSent = L"[提示]已按下发送键";
const std::string kSep = "\xB7\xD6\xB8\xEE";  // 分割 in GBK
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A solid 40 x 40 picture padded to exactly `size` bytes, as a capture may deliver it.
ByteBuffer SolidBmp(std::uint32_t rgb, std::size_t size) {
  ByteBuffer bmp = MakeBmp24(40, 40, [rgb](int, int) { return rgb; });
  bmp.resize(std::max(size, bmp.size()), 0);
  return bmp;
}

// The preview shows one colour at every point.
std::function<bool(const std::vector<COLORREF>&)> AllOf(COLORREF colour) {
  return [colour](const std::vector<COLORREF>& colours) {
    return std::all_of(colours.begin(), colours.end(), [colour](COLORREF c) { return c == colour; });
  };
}

// The placeholder picture (a pink to blue sky with two faces): no point white, and a
// picture rather than one colour.
bool ShowsThePlaceholder(const std::vector<COLORREF>& colours) {
  const std::set<COLORREF> distinct(colours.begin(), colours.end());
  return !distinct.count(kWhite) && distinct.size() >= 3;
}

std::vector<std::wstring> After(const std::vector<std::wstring>& lines, std::size_t skip) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(skip, lines.size())), lines.end()};
}

TEST(TargetImageButtons, StartWithoutAStoredTargetShowsThePlaceholderAndRefusesATestFind) {
  struct Case {
    const wchar_t* label;
    std::optional<ByteBuffer> file;
    std::int64_t sparseSize = 0;
  };
  // 1.5 GB: larger than any capture, and more than the program could take in one piece.
  const Case cases[] = {{L"absent", std::nullopt}, {L"empty", ByteBuffer{}}, {L"huge", std::nullopt, 1'500'000'000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    BuiltProgram program(std::wstring(L"start_") + c.label,
                         {.targetFile = c.file, .sparseTargetFile = c.sparseSize, .toControlCentre = true});
    ASSERT_TRUE(program.ready());
    EXPECT_EQ(program.logLines(), std::vector<std::wstring>{kWindowMissingAtStart});
    ASSERT_TRUE(ProgramHasImage(506)) << "the built program carries no placeholder";
    EXPECT_TRUE(program.previewShows(ShowsThePlaceholder)) << "placeholder 506";
    // WeChat is closed too, yet only the target is reported.
    program.click(kTestFindButton);
    EXPECT_EQ(After(program.logLines(), 1), std::vector<std::wstring>{kNoTarget});
  }
}

TEST(TargetImageButtons, StoredTargetIsShownAtStart) {
  BuiltProgram program(L"stored", {.targetFile = SolidBmp(0x2080E0, 0), .toControlCentre = true});
  ASSERT_TRUE(program.ready());
  EXPECT_TRUE(program.previewShows(AllOf(RGB(0x20, 0x80, 0xE0))));
}

TEST(TargetImageButtons, CaptureReplacesFileAndPreviewAtOnce) {
  const ByteBuffer captured = SolidBmp(0xD03010, 5000);
  ASSERT_EQ(captured.size(), 5000u);
  BuiltProgram program(L"capture",
                       {.targetFile = SolidBmp(0x2080E0, 0), .captureBytes = captured, .toControlCentre = true});
  ASSERT_TRUE(program.ready());
  program.click(kCaptureTargetButton);
  EXPECT_EQ(PlainRead(program.targetPath()), captured);
  EXPECT_TRUE(program.previewShows(AllOf(RGB(0xD0, 0x30, 0x10))));
  EXPECT_EQ(program.logLines().size(), 1u) << "a capture writes no line";
}

// A file open elsewhere cannot be replaced whole: it takes the capture in place where the
// other opening lets it be written, and keeps its old content where not.
TEST(TargetImageButtons, CaptureIntoAFileInUseIsWrittenInPlaceOrKeptAndUsesTheNewTarget) {
  struct Case {
    const wchar_t* label;
    DWORD sharing;
    bool written;
  };
  const Case cases[] = {{L"shared", FILE_SHARE_READ | FILE_SHARE_WRITE, true}, {L"unshared", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const ByteBuffer old = SolidBmp(0x2080E0, 0);
    const ByteBuffer captured = SolidBmp(0xD03010, 5000);
    BuiltProgram program(std::wstring(L"capture_in_use_") + c.label,
                         {.targetFile = old, .captureBytes = captured, .toControlCentre = true});
    ASSERT_TRUE(program.ready());
    {
      const qv::win::UniqueKernelHandle inUse(
          CreateFileW(program.targetPath().c_str(), GENERIC_READ, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(inUse);
      program.click(kCaptureTargetButton);
    }
    EXPECT_EQ(PlainRead(program.targetPath()), c.written ? captured : old);
    EXPECT_EQ(FileNames(program.folder()),
              (std::vector<std::wstring>{L"Quorvela.exe", L"stub_capture.bin", L"模块", L"目标图.bmp"}))
        << "no temporary file left";
    EXPECT_TRUE(program.previewShows(AllOf(RGB(0xD0, 0x30, 0x10))));
    // The new target is held: a test find now looks for WeChat (closed) instead of refusing.
    program.click(kTestFindButton);
    EXPECT_EQ(After(program.logLines(), 1), std::vector<std::wstring>{kWindowMissing});
  }
}

TEST(TargetImageButtons, EmptyOrUnreadableCaptureEmptiesTargetAndFile) {
  struct Case {
    const wchar_t* label;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {L"length0", std::nullopt},               // the library's "0分割0"
      {L"unreadable", "4096" + kSep + "5000"},  // names memory that is not there
      {L"malformed", "12abc" + kSep + "x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    BuiltProgram program(std::wstring(L"empty_") + c.label,
                         {.targetFile = SolidBmp(0x2080E0, 0), .captureText = c.text, .toControlCentre = true});
    ASSERT_TRUE(program.ready());
    program.click(kCaptureTargetButton);
    EXPECT_NE(GetFileAttributesW(program.targetPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(PlainRead(program.targetPath()).empty());
    EXPECT_TRUE(program.previewShows(AllOf(kWhite))) << "blank, not the placeholder";
    program.click(kTestFindButton);
    EXPECT_EQ(After(program.logLines(), 1), std::vector<std::wstring>{kNoTarget});
  }
}

// Two colours in a checkerboard: nowhere in the stand-in's scene.
ByteBuffer Checkerboard() {
  return MakeBmp24(16, 16, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

TEST(TargetImageButtons, TestFindAgainstWeChat) {
  StandIn weChat;
  ASSERT_NE(weChat.window(), nullptr);
  BuiltProgram program(L"find", {.builtLibrary = true, .targetFile = Checkerboard(), .toControlCentre = true});
  ASSERT_TRUE(program.ready());
  EXPECT_EQ(program.logLines(), std::vector<std::wstring>{kWindowFoundAtStart});
  program.click(kTestFindButton);
  // Top-left, where the program's centred window does not cover WeChat.
  ASSERT_TRUE(weChat.PaintTarget(Checkerboard(), 20, 20));
  program.click(kTestFindButton);
  EXPECT_EQ(After(program.logLines(), 1), (std::vector<std::wstring>{kNotFound, kFound}));
}

TEST(TargetImageButtons, TestSendWithWeChatClosedOnlyReportsTheWindow) {
  BuiltProgram program(L"send_closed", {.builtLibrary = true, .toControlCentre = true});
  ASSERT_TRUE(program.ready());
  program.click(kTestSendButton);
  EXPECT_EQ(program.logLines(), (std::vector<std::wstring>{kWindowMissingAtStart, kWindowMissing}));
}

int EnterKeyDowns(const StandInRecord& record) {
  return static_cast<int>(std::count_if(record.messages.begin(), record.messages.end(), [](const RecordedMessage& m) {
    return m.message == WM_KEYDOWN && m.wParam == VK_RETURN;
  }));
}

TEST(TargetImageButtons, TestSendPressesAThousandTimesWhileTheWindowTakesInput) {
  StandIn weChat;
  ASSERT_NE(weChat.window(), nullptr);
  BuiltProgram program(L"send", {.builtLibrary = true, .toControlCentre = true});
  ASSERT_TRUE(program.ready());
  program.postClick(kTestSendButton);
  // A click during the burst is handled at once: its line comes before the send's.
  weChat.WaitForMessages(1);
  program.postClick(kTestFindButton);
  EXPECT_EQ(program.waitForLogLines(3), (std::vector<std::wstring>{kWindowFoundAtStart, kNoTarget, kSent}));
  const StandInRecord record = weChat.ReadRecord();
  EXPECT_EQ(EnterKeyDowns(record), 1000);
  EXPECT_EQ(std::count_if(record.messages.begin(), record.messages.end(),
                          [](const RecordedMessage& m) { return m.message == WM_KEYUP && m.wParam == VK_RETURN; }),
            1000);
}

}  // namespace
}  // namespace qv::test
