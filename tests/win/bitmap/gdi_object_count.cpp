#include "tests/win/bitmap/gdi_object_count.h"

#include <windows.h>

#include <cstdint>

namespace qv::test {
namespace {

// Wine's table: 0x10000 entries of 24 bytes, the object type at offset 14 (0 when free).
// A 32-bit process reaches it through its PEB's GdiSharedHandleTable (offset 0x94); under
// WoW64 the table hangs off the 64-bit PEB instead (offset 0xf8), and Wine keeps the 64-bit
// TEB's address in the 32-bit TEB's GdiBatchCount (offset 0xf70).
constexpr std::size_t kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;

bool Readable(std::uintptr_t address, std::size_t size) {
  MEMORY_BASIC_INFORMATION region{};
  if (!address || VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region) == 0) return false;
  if (region.State != MEM_COMMIT || (region.Protect & (PAGE_NOACCESS | PAGE_GUARD))) return false;
  return address + size <= reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
}

// The field at base + offset, 0 when base is 0 or the field is out of this process's reach.
template <class T>
std::uint64_t Field(std::uint64_t base, std::size_t offset) {
  const std::uint64_t at = base + offset;
  if (!base || at >> 32 || !Readable(static_cast<std::uintptr_t>(at), sizeof(T))) return 0;
  return *reinterpret_cast<const T*>(static_cast<std::uintptr_t>(at));
}

std::uint64_t TableAddress() {
  std::uintptr_t teb = 0;
  asm("movl %%fs:0x18, %0" : "=r"(teb));  // the TEB of a 32-bit process
  const std::uint64_t teb64 = Field<std::uint32_t>(teb, 0xf70);
  if (teb64 && Field<std::uint64_t>(teb64, 0x30) == teb64)  // the 64-bit TEB points at itself
    return Field<std::uint64_t>(Field<std::uint64_t>(teb64, 0x60), 0xf8);
  return Field<std::uint32_t>(Field<std::uint32_t>(teb, 0x30), 0x94);
}

const std::uint8_t* WineHandleTable() {
  const std::uint64_t table = TableAddress();
  if (table >> 32 || !Readable(static_cast<std::uintptr_t>(table), kEntries * kEntrySize)) return nullptr;
  return reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(table));
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
