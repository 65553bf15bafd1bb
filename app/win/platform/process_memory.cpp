#include "app/win/platform/process_memory.h"

#include <windows.h>

#include <cstring>

namespace quorvela::win {

namespace {

bool readable(const MEMORY_BASIC_INFORMATION& region) {
  constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                              PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  return region.State == MEM_COMMIT && (region.Protect & kReadable) != 0 &&
         (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0;
}

bool rangeReadable(std::uint64_t begin, std::uint64_t end) {
  if (end > static_cast<std::uint64_t>(UINTPTR_MAX) + 1) return false;
  for (std::uint64_t at = begin; at < end;) {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(at)), &region, sizeof region) == 0 ||
        !readable(region)) {
      return false;
    }
    at = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + static_cast<std::uint64_t>(region.RegionSize);
  }
  return true;
}

}  // namespace

ByteBuffer BytesFromAddress(std::uint32_t address, std::int32_t count) {
  if (count <= 0 || address == 0) return {};
  const std::uint64_t begin = address;
  if (!rangeReadable(begin, begin + static_cast<std::uint64_t>(count))) return {};
  ByteBuffer bytes(static_cast<std::size_t>(count));
  std::memcpy(bytes.data(), reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)), bytes.size());
  return bytes;
}

}  // namespace quorvela::win
