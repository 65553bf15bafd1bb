// JPXX, TDWXWB and SCWXWB through the built DLL, read back from the stand-in's record.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/standin_client.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace {

using qv::test::AsInt;
using qv::test::RecordedMessage;

// Posted after an export returns: what comes before it in the record is the export's.

std::uint32_t Scan(std::uint32_t virtualKey) { return MapVirtualKeyA(virtualKey, 0) & 0xFF; }
std::uint32_t KeyLParam(std::uint32_t virtualKey, bool up) {
  return 1u | (Scan(virtualKey) << 16) | (up ? 0xC0000000u : 0u);
}
long long Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

struct Posted {
  unsigned message;
  std::uint32_t wParam;
  std::uint32_t lParam;
  friend bool operator==(const Posted&, const Posted&) = default;
};

std::ostream& operator<<(std::ostream& os, const Posted& p) {
  return os << std::hex << "{msg 0x" << p.message << ", wp 0x" << p.wParam << ", lp 0x" << p.lParam << "}"
            << std::dec;
}

std::vector<Posted> Click(int x, int y) {
  const auto lp = static_cast<std::uint32_t>(x + y * 65536);
  return {{WM_MOUSEMOVE, 2, lp}, {WM_LBUTTONDOWN, 1, lp}, {WM_LBUTTONUP, 0, lp}};
}

bool IsKey(unsigned message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

struct Observed {
  std::vector<Posted> posted;
  long long calledAt = 0;
  long long firstKeyAt = 0;  // 0: no key message
  long long firstMouseAt = 0;
  long long frequency = 1;

  double MsAfterCall(long long at) const { return (at - calledAt) * 1000.0 / frequency; }
};

// One stand-in (and one DLL) per suite: the stand-in takes a while to start.
class ChatInput : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dll_ = new qv::test::PixfarrowDll;
    qv::test::StandInOptions options;
    options.width = 801;
    options.height = 599;
    standin_ = new qv::test::StandIn(options);
  }
  static void TearDownTestSuite() {
    delete standin_;
    delete dll_;
    standin_ = nullptr;
    dll_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(dll_->module(), nullptr) << "cannot load the DLL";
    ASSERT_NE(standin_->window(), nullptr) << "the stand-in did not start";
  }

  std::int32_t Window() const { return AsInt(standin_->window()); }

  // Runs `call`, then collects what it posted to the stand-in.
  template <class Call>
  Observed Observe(Call call) const {
    const size_t mark = standin_->ReadRecord().messages.size();
    Observed o;
    o.calledAt = Now();
    call();
    const qv::test::StandInRecord rec = standin_->ReadRecordWhenDelivered();
    o.frequency = rec.frequency > 0 ? rec.frequency : 1;
    for (size_t i = mark; i < rec.messages.size(); ++i) {
      const RecordedMessage& m = rec.messages[i];
      o.posted.push_back({m.message, m.wParam, m.lParam});
      if (IsKey(m.message) && !o.firstKeyAt) o.firstKeyAt = m.at;
      if (!IsKey(m.message) && !o.firstMouseAt) o.firstMouseAt = m.at;
    }
    return o;
  }

  static qv::test::PixfarrowDll* dll_;
  static qv::test::StandIn* standin_;
};

qv::test::PixfarrowDll* ChatInput::dll_ = nullptr;
qv::test::StandIn* ChatInput::standin_ = nullptr;

TEST_F(ChatInput, PressEnterPostsKeyDownAndKeyUpOnly) {
  auto jpxx = dll_->Export<qv::test::JpxxFn>("JPXX");
  ASSERT_NE(jpxx, nullptr);
  const Observed o = Observe([&] { jpxx(Window()); });
  const std::vector<Posted> expected = {{WM_KEYDOWN, 13, KeyLParam(13, false)}, {WM_KEYUP, 13, KeyLParam(13, true)}};
  EXPECT_EQ(o.posted, expected);
  EXPECT_NE(Scan(13), 0u);
}

TEST_F(ChatInput, TypeTextClicksThenPostsOneCharacterPerUtf16Unit) {
  auto tdwxwb = dll_->Export<qv::test::TdwxwbFn>("TDWXWB");
  ASSERT_NE(tdwxwb, nullptr);
  struct Case {
    const char* what;
    std::string utf8;
    std::vector<Posted> characters;
  };
  const Case cases[] = {
      {"a and zhong", "a\xE4\xB8\xAD", {{WM_CHAR, 0x61, KeyLParam(0x41, false)}, {WM_CHAR, 0x4E2D, KeyLParam(0x4E2D, false)}}},
      {"jian", "\xE9\x94\xAE", {{WM_CHAR, 0x952E, KeyLParam(0x952E, false)}}},
      {"punctuation", "?;", {{WM_CHAR, '?', KeyLParam(0xBF, false)}, {WM_CHAR, ';', KeyLParam(0xBA, false)}}},
      // Outside GBK: the code page's default character.
      {"thai ko kai", "\xE0\xB8\x81", {{WM_CHAR, '?', KeyLParam(0xBF, false)}}},
      {"empty", "", {}},
  };
  const std::vector<Posted> click = Click(728, 515);  // 801 x 599 client area
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Observed o = Observe([&] { tdwxwb(Window(), AsInt(c.utf8.data()), static_cast<std::int32_t>(c.utf8.size())); });
    std::vector<Posted> expected = click;
    expected.insert(expected.end(), c.characters.begin(), c.characters.end());
    EXPECT_EQ(o.posted, expected);
    ASSERT_NE(o.firstMouseAt, 0);
    EXPECT_GE(o.MsAfterCall(o.firstMouseAt), 100.0 - 1);
    if (!c.characters.empty()) {
      EXPECT_GE(o.MsAfterCall(o.firstKeyAt), 500.0 - 1);
    }
  }
}

TEST_F(ChatInput, TypeTextOfNoBytesNeverReadsTheAddress) {
  auto tdwxwb = dll_->Export<qv::test::TdwxwbFn>("TDWXWB");
  ASSERT_NE(tdwxwb, nullptr);
  void* noAccess = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
  ASSERT_NE(noAccess, nullptr);
  const char text[] = "abc";
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {AsInt(noAccess), 0}, {0, 0}, {0, 5}, {AsInt(text), -1}};
  for (const auto& [address, length] : cases) {
    const Observed o = Observe([&] { tdwxwb(Window(), address, length); });
    EXPECT_EQ(o.posted, Click(728, 515)) << "address " << address << " length " << length;
  }
  VirtualFree(noAccess, 0, MEM_RELEASE);
}

TEST_F(ChatInput, BackspaceClicksThenPostsOneKeyDown) {
  auto scwxwb = dll_->Export<qv::test::ScwxwbFn>("SCWXWB");
  ASSERT_NE(scwxwb, nullptr);
  const Observed o = Observe([&] { scwxwb(Window()); });
  std::vector<Posted> expected = Click(728, 515);
  expected.push_back({WM_KEYDOWN, 8, KeyLParam(8, false)});
  EXPECT_EQ(o.posted, expected);
  ASSERT_NE(o.firstKeyAt, 0);
  EXPECT_GE(o.MsAfterCall(o.firstKeyAt), 600.0 - 1);
}

// Handle 0 posts the keys into the caller's own queue; a handle that is no window
// posts nothing anywhere. Either way the export returns.
std::vector<Posted> TakeThreadMessages() {
  std::vector<Posted> taken;
  MSG m;
  while (PeekMessageW(&m, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE)) {
    if (IsKey(m.message)) taken.push_back({m.message, static_cast<std::uint32_t>(m.wParam), static_cast<std::uint32_t>(m.lParam)});
  }
  return taken;
}

TEST_F(ChatInput, NullAndStaleHandlesReturnNormally) {
  auto jpxx = dll_->Export<qv::test::JpxxFn>("JPXX");
  auto tdwxwb = dll_->Export<qv::test::TdwxwbFn>("TDWXWB");
  auto scwxwb = dll_->Export<qv::test::ScwxwbFn>("SCWXWB");
  ASSERT_TRUE(jpxx && tdwxwb && scwxwb);
  TakeThreadMessages();
  const char a[] = "a";

  jpxx(0);
  EXPECT_EQ(TakeThreadMessages(),
            (std::vector<Posted>{{WM_KEYDOWN, 13, KeyLParam(13, false)}, {WM_KEYUP, 13, KeyLParam(13, true)}}));
  tdwxwb(0, AsInt(a), 1);
  EXPECT_EQ(TakeThreadMessages(), (std::vector<Posted>{{WM_CHAR, 'a', KeyLParam(0x41, false)}}));
  scwxwb(0);
  EXPECT_EQ(TakeThreadMessages(), (std::vector<Posted>{{WM_KEYDOWN, 8, KeyLParam(8, false)}}));

  const std::int32_t stale = 0x00ABCDE0;
  ASSERT_FALSE(IsWindow(reinterpret_cast<HWND>(static_cast<std::intptr_t>(stale))));
  const Observed o = Observe([&] {
    jpxx(stale);
    tdwxwb(stale, AsInt(a), 1);
    scwxwb(stale);
  });
  EXPECT_TRUE(o.posted.empty());
  EXPECT_TRUE(TakeThreadMessages().empty());
}

}  // namespace
