#include "app/core/target_image/captured_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/app/target_image/byte_pattern.h"

namespace quorvela {
namespace {

const std::string kSep = "\xB7\xD6\xB8\xEE";  // 分割 in GBK

// A readable range of this process, as the program's reader sees memory.
struct FakeMemory {
  std::uint32_t base = 0x10000;
  ByteBuffer bytes{};
  std::vector<std::pair<std::uint32_t, std::int32_t>> reads{};

  MemoryReader reader() {
    return [this](std::uint32_t address, std::int32_t length) -> ByteBuffer {
      reads.emplace_back(address, length);
      if (address < base || length <= 0) return {};
      const std::uint64_t offset = address - base;
      if (offset + static_cast<std::uint64_t>(length) > bytes.size()) return {};
      return ByteBuffer(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                        bytes.begin() + static_cast<std::ptrdiff_t>(offset + static_cast<std::uint64_t>(length)));
    };
  }
};

using test::Pattern;

TEST(CapturedBytes, CopiesTheNamedRangeOrNothing) {
  struct Case {
    std::string text;
    std::size_t offset, size;  // expected copy from the fake memory; size 0: empty
    bool reads;                // whether the reader is asked at all
  };
  const Case cases[] = {
      {"65536" + kSep + "5000", 0, 5000, true},
      {"65636" + kSep + "10", 100, 10, true},
      {"65536" + kSep + "0", 0, 0, false},         // an empty capture
      {"0" + kSep + "0", 0, 0, false},             // the library's text for no image
      {"0" + kSep + "54", 0, 0, false},            // no buffer at address 0
      {"65536" + kSep + "-1", 0, 0, false},        // negative length
      {"65536" + kSep + "5001", 0, 0, true},       // runs past the readable range
      {"2147483647" + kSep + "2147483647", 0, 0, true},
      {"65536-5000", 0, 0, false},                 // no separator
      {"65536" + kSep, 0, 0, false},               // no length
      {kSep + "5000", 0, 0, false},                // no address
      {"65536" + kSep + "5000" + kSep + "1", 0, 0, false},
      {"65536\xE5\x88\x86\xE5\x89\xB2" "5000", 0, 0, false},  // separator in UTF-8
      {"65536x" + kSep + "5000", 0, 0, false},
      {" 65536" + kSep + "5000", 0, 0, false},
      {"65536" + kSep + "5000 ", 0, 0, false},
      {"99999999999" + kSep + "5", 0, 0, false},   // beyond int32
      {"65536" + kSep + "4294967296", 0, 0, false},
      {"", 0, 0, false},
      {std::string(100, '1'), 0, 0, false},        // longer than any result text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    FakeMemory memory{.bytes = Pattern(5000)};
    const ByteBuffer got = CapturedBytesFromText(c.text.c_str(), memory.reader());
    const ByteBuffer want(memory.bytes.begin() + static_cast<std::ptrdiff_t>(c.offset),
                          memory.bytes.begin() + static_cast<std::ptrdiff_t>(c.offset + c.size));
    EXPECT_EQ(got, want);
    EXPECT_EQ(!memory.reads.empty(), c.reads);
  }
}

TEST(CapturedBytes, NegativeAddressIsTheHighHalfOfThe32BitSpace) {
  FakeMemory memory{.base = 0x80000000u, .bytes = Pattern(8)};
  const std::string text = "-2147483648" + kSep + "8";
  EXPECT_EQ(CapturedBytesFromText(text.c_str(), memory.reader()), memory.bytes);
  ASSERT_EQ(memory.reads.size(), 1u);
  EXPECT_EQ(memory.reads[0].first, 0x80000000u);
}

TEST(CapturedBytes, NoTextOrAShortCopyGivesNothing) {
  FakeMemory memory{.bytes = Pattern(16)};
  EXPECT_TRUE(CapturedBytesFromText(nullptr, memory.reader()).empty());
  EXPECT_TRUE(memory.reads.empty());
  const std::string text = "65536" + kSep + "16";
  const MemoryReader shortReader = [](std::uint32_t, std::int32_t length) {
    return ByteBuffer(static_cast<std::size_t>(length - 1), 1);
  };
  EXPECT_TRUE(CapturedBytesFromText(text.c_str(), shortReader).empty());
}

}  // namespace
}  // namespace quorvela
