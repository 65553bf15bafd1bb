// The run log: coloured lines appended to a rich edit box.
#include <gtest/gtest.h>

#include <richedit.h>

#include "app/win/framework/font.h"
#include "app/win/framework/rich_edit_box.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/run_log/run_log.h"
#include "tests/win/framework/host_form.h"

namespace qv::test {
namespace {

using namespace quorvela::win;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 136, 255);
constexpr COLORREF kGreen = RGB(0, 224, 128);

class RunLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(createHost(form_), nullptr);
    log_.setFont(SetFontFromText("黑体, 9, 0, 0, 0, 0, 0"));
    ASSERT_TRUE(log_.create({windowOf(form_), &form_, 10, 10, 304, 230, 127, ""}));
    edit_ = windowOf(log_);
  }

  LRESULT lineCount() const { return SendMessageW(edit_, EM_GETLINECOUNT, 0, 0); }
  // In character positions (a paragraph mark is one).
  LONG length() const {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<LONG>(SendMessageW(edit_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  }

  std::wstring line(int index) const {
    wchar_t text[256] = {};
    *reinterpret_cast<WORD*>(text) = 255;
    const auto copied = SendMessageW(edit_, EM_GETLINE, index, reinterpret_cast<LPARAM>(text));
    std::wstring result(text, static_cast<std::size_t>(copied));
    while (!result.empty() && (result.back() == L'\r' || result.back() == L'\n')) result.pop_back();
    return result;
  }

  CHARFORMATW formatOfLine(int index) const {
    const auto start = static_cast<LONG>(SendMessageW(edit_, EM_LINEINDEX, index, 0));
    CHARRANGE range{start, start + 1};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
  }

  HostForm form_;
  RichEditBox log_;
  HWND edit_ = nullptr;
};

TEST_F(RunLogTest, ThreeTypesInTheirColoursEachOnItsLine) {
  AppendRunLog(log_, 0, "[错误]没有找到微信窗口，请您打开微信");
  AppendRunLog(log_, 1, "[警告]没有找到微信窗口，请您打开微信");
  AppendRunLog(log_, 2, "[提示]软件已运行");
  EXPECT_EQ(lineCount(), 4);  // the last line is the empty one after "\r\n"
  const struct {
    const wchar_t* text;
    COLORREF colour;
  } expected[] = {{L"[错误]没有找到微信窗口，请您打开微信", kRed},
                  {L"[警告]没有找到微信窗口，请您打开微信", kBlue},
                  {L"[提示]软件已运行", kGreen}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(line(i), expected[i].text);
    const CHARFORMATW format = formatOfLine(i);
    EXPECT_EQ(format.crTextColor, expected[i].colour);
    EXPECT_EQ(format.dwEffects & (CFE_AUTOCOLOR | CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED), 0u);
    EXPECT_EQ(format.yHeight, 180);
    EXPECT_EQ(format.yOffset, 0);
    EXPECT_STREQ(format.szFaceName, L"黑体");
  }
}

TEST_F(RunLogTest, OtherTypesWriteNothingAndAnEmptyTextWritesAnEmptyLine) {
  AppendRunLog(log_, 2, "[提示]软件已运行");
  const LONG before = length();
  for (int type : {3, -1, 100}) AppendRunLog(log_, type, "[提示]x");
  EXPECT_EQ(length(), before);
  AppendRunLog(log_, 0, "");
  EXPECT_EQ(lineCount(), 3);
  EXPECT_EQ(line(1), L"");
  RichEditBox noWindow;
  AppendRunLog(noWindow, 0, "[错误]x");  // nothing to write to, and no failure
}

TEST_F(RunLogTest, ManyLinesKeepEarlierColoursAndTheViewFollowsTheNewest) {
  constexpr int kLines = 120;
  for (int i = 0; i < kLines; ++i) AppendRunLog(log_, i % 3, "[提示]line " + std::to_string(i));
  for (int i : {0, 1, 2, 60, kLines - 1}) {
    const COLORREF colours[] = {kRed, kBlue, kGreen};
    EXPECT_EQ(formatOfLine(i).crTextColor, colours[i % 3]) << i;
  }
  // Put the caret back where the log left it, then look at what is in view.
  AppendRunLog(log_, 2, "[提示]last");
  const auto firstVisible = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(firstVisible, kLines - 30) << "the newest lines are in view";
  CHARRANGE caret{};
  SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  EXPECT_EQ(caret.cpMin, length());
  EXPECT_EQ(caret.cpMax, length());
}

}  // namespace
}  // namespace qv::test
