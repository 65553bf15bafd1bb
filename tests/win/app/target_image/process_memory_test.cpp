// Copying a captured buffer out of memory by the address a result text names.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "app/win/platform/process_memory.h"
#include "tests/win/app/target_image/file_folder.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using quorvela::win::BytesFromAddress;

std::uint32_t addressOf(const void* p) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p)); }

// Two pages: the first readable, the second with the protection under test.
class TwoPages {
 public:
  explicit TwoPages(DWORD secondProtection) {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    page_ = info.dwPageSize;
    base_ = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE, PAGE_NOACCESS));
    VirtualAlloc(base_, page_, MEM_COMMIT, PAGE_READWRITE);
    if (secondProtection != 0) VirtualAlloc(base_ + page_, page_, MEM_COMMIT, secondProtection);
    for (DWORD i = 0; i < page_; ++i) base_[i] = static_cast<std::uint8_t>(i);
  }
  ~TwoPages() { VirtualFree(base_, 0, MEM_RELEASE); }
  TwoPages(const TwoPages&) = delete;
  TwoPages& operator=(const TwoPages&) = delete;

  std::uint32_t secondPage() const { return addressOf(base_ + page_); }
  std::uint32_t endOfFirst(DWORD back) const { return addressOf(base_ + page_ - back); }

 private:
  std::uint8_t* base_ = nullptr;
  DWORD page_ = 0;
};

TEST(BytesFromAddress, CopiesReadableMemoryAtOnce) {
  ByteBuffer source = Pattern(5000);
  const ByteBuffer copy = BytesFromAddress(addressOf(source.data()), 5000);
  EXPECT_EQ(copy, Pattern(5000));
  source.assign(source.size(), 0);
  EXPECT_EQ(copy, Pattern(5000));
  EXPECT_EQ(BytesFromAddress(addressOf(source.data()) + 10, 3), ByteBuffer(3, 0));
}

TEST(BytesFromAddress, NothingForAnEmptyOrUnreadableRange) {
  const ByteBuffer source = Pattern(16);
  const std::uint32_t at = addressOf(source.data());
  EXPECT_TRUE(BytesFromAddress(at, 0).empty());
  EXPECT_TRUE(BytesFromAddress(at, -5).empty());
  EXPECT_TRUE(BytesFromAddress(0, 16).empty());
  EXPECT_TRUE(BytesFromAddress(0xFFFFF000u, 0x2000).empty()) << "runs past the top of the address space";

  struct Case {
    const char* label;
    DWORD secondPage;  // 0: reserved, not committed
  };
  for (const Case& c : {Case{"reserved", 0}, Case{"no access", PAGE_NOACCESS},
                        Case{"guard page", PAGE_READWRITE | PAGE_GUARD}}) {
    SCOPED_TRACE(c.label);
    TwoPages pages(c.secondPage);
    EXPECT_EQ(BytesFromAddress(pages.endOfFirst(4), 4).size(), 4u) << "the readable page alone";
    EXPECT_TRUE(BytesFromAddress(pages.endOfFirst(4), 8).empty()) << "into the second page";
    EXPECT_TRUE(BytesFromAddress(pages.secondPage(), 1).empty());
  }
}

}  // namespace
}  // namespace qv::test
