// An exception inside the library never reaches the host: the export gives its failure
// value and the host goes on. Provoked without any help from the library: the host leaves
// no room in its address space for the memory that a search of a large image needs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/support/bmp_builder.h"
#include "tests/win/library/pixfarrow_dll.h"

namespace {

using qv::test::AsInt;

// Reserves all the address space there is while it lives, largest pieces first: a block
// too large for the heaps' reserved room then cannot be had, and operator new throws.
class AddressSpaceFilled {
 public:
  AddressSpaceFilled() {
    ranges_.reserve(1 << 14);  // no allocation while the space is filling
    for (SIZE_T size = SIZE_T{1} << 30; size >= (SIZE_T{1} << 16); size /= 2) {
      while (ranges_.size() < ranges_.capacity()) {
        void* held = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
        if (!held) break;
        ranges_.push_back(held);
      }
    }
  }
  ~AddressSpaceFilled() {
    for (void* held : ranges_) VirtualFree(held, 0, MEM_RELEASE);
  }
  AddressSpaceFilled(const AddressSpaceFilled&) = delete;
  AddressSpaceFilled& operator=(const AddressSpaceFilled&) = delete;

  // Whether another megabyte of address space can still be reserved.
  static bool RoomLeft() {
    void* more = VirtualAlloc(nullptr, 1 << 20, MEM_RESERVE, PAGE_NOACCESS);
    if (more) VirtualFree(more, 0, MEM_RELEASE);
    return more != nullptr;
  }

 private:
  std::vector<void*> ranges_;
};

std::uint32_t Noise(int x, int y) {
  std::uint32_t v = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
  v ^= v >> 13;
  return (v * 2654435761u) & 0xFFFFFF;
}

TEST(ExportBarrier, ZtGivesNotFoundWhenItsMemoryCannotBeHadAndWorksAfter) {
  qv::test::PixfarrowDll dll;
  auto zt = dll.Export<qv::test::ZtFn>("ZT");
  ASSERT_NE(zt, nullptr);
  const auto big = qv::test::MakeBmp24(2000, 1500, Noise);
  // A target that large is decoded whole, into memory of its own.
  const auto target = qv::test::MakeBmp24(1600, 1200, [](int x, int y) { return Noise(200 + x, 150 + y); });
  auto call = [&] {
    return zt(AsInt(big.data()), static_cast<std::int32_t>(big.size()), AsInt(target.data()),
              static_cast<std::int32_t>(target.size()));
  };
  ASSERT_EQ(call(), 1);

  std::int32_t starved = -1;
  bool filled = false;
  {
    const AddressSpaceFilled full;
    filled = !AddressSpaceFilled::RoomLeft();
    starved = call();
  }
  ASSERT_TRUE(filled) << "the address space still had room";
  EXPECT_EQ(starved, 0);
  EXPECT_EQ(call(), 1) << "the library works on after the failure";
}

}  // namespace
