#include "tests/win/bitmap/gdi_object_count.h"

#include <windows.h>

#include <cstdint>

namespace qv::test {
namespace {

// Wine's table: 0x10000 entries of 24 bytes, the object type at offset 14 (0 when free),
// reached through the PEB's GdiSharedHandleTable (offset 0x94 in a 32-bit PEB).
constexpr std::size_t kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;

const std::uint8_t* WineHandleTable() {
  const std::uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));  // the PEB of a 32-bit process
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0x94);
  if (!table) return nullptr;
  MEMORY_BASIC_INFORMATION region{};
  if (VirtualQuery(table, &region, sizeof region) == 0 || region.State != MEM_COMMIT) return nullptr;
  const auto end = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
  if (reinterpret_cast<std::uintptr_t>(table) + kEntries * kEntrySize > end) return nullptr;
  return table;
}

int CountTable(const std::uint8_t* table) {
  int n = 0;
  for (std::size_t i = 0; i < kEntries; ++i) n += table[i * kEntrySize + kTypeOffset] != 0;
  return n;
}

// True when making one bitmap adds exactly one entry and deleting it takes it away.
bool TableCountsObjects(const std::uint8_t* table) {
  const int before = CountTable(table);
  HBITMAP probe = CreateBitmap(1, 1, 1, 32, nullptr);
  if (!probe) return false;
  const int during = CountTable(table);
  const std::uint8_t type = table[LOWORD(reinterpret_cast<UINT_PTR>(probe)) * kEntrySize + kTypeOffset];
  DeleteObject(probe);
  return during == before + 1 && type != 0 && CountTable(table) == before;
}

}  // namespace

std::optional<int> LiveGdiObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); n > 0) return static_cast<int>(n);
  const std::uint8_t* table = WineHandleTable();
  if (!table || !TableCountsObjects(table)) return std::nullopt;
  return CountTable(table);
}

}  // namespace qv::test
