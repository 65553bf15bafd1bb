#include "app/win/library_binding/bound_library.h"

#include "app/win/platform/procedure_address.h"

namespace quorvela::win {

namespace {

using ZtFn = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
using NoArgumentFn = std::int32_t(__stdcall*)();
using JpxxFn = std::int32_t(__stdcall*)(std::int32_t);

std::int32_t addressOf(const ByteBuffer& bytes) {
  return bytes.empty() ? 0 : static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(bytes.data()));
}

}  // namespace

std::uint32_t BoundLibrary::QWXJB() const {
  return static_cast<std::uint32_t>(procedureAs<NoArgumentFn>(table_[ExternalFunction::QWXJB])());
}

std::int32_t BoundLibrary::ZT(const ByteBuffer& big, const ByteBuffer& small) const {
  // Held for this call only, never across a send burst or a wait.
  const std::lock_guard lock(ztGuard_);
  return procedureAs<ZtFn>(table_[ExternalFunction::ZT])(addressOf(big), static_cast<std::int32_t>(big.size()),
                                                         addressOf(small), static_cast<std::int32_t>(small.size()));
}

void BoundLibrary::JPXX(std::uint32_t window) const {
  procedureAs<JpxxFn>(table_[ExternalFunction::JPXX])(static_cast<std::int32_t>(window));
}

const char* BoundLibrary::JQMBT() const {
  const FARPROC address = table_[ExternalFunction::JQMBT];
  const std::int32_t text = address ? procedureAs<NoArgumentFn>(address)() : 0;
  return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(text)));
}

}  // namespace quorvela::win
