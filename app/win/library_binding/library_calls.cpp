#include "app/win/library_binding/library_calls.h"

#include "app/win/library_binding/external_function_binder.h"
#include "app/win/platform/procedure_address.h"

namespace quorvela::win {

namespace {

using ZtFn = std::int32_t(__stdcall*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
using QwxjbFn = std::int32_t(__stdcall*)();
using JpxxFn = std::int32_t(__stdcall*)(std::int32_t);

std::int32_t addressOf(const ByteBuffer& bytes) {
  return bytes.empty() ? 0 : static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(bytes.data()));
}

}  // namespace

std::uint32_t CallQwxjb() {
  return static_cast<std::uint32_t>(procedureAs<QwxjbFn>(externalFunctionTable()[ExternalFunction::QWXJB])());
}

std::int32_t CallZt(const ByteBuffer& big, const ByteBuffer& small) {
  return procedureAs<ZtFn>(externalFunctionTable()[ExternalFunction::ZT])(
      addressOf(big), static_cast<std::int32_t>(big.size()), addressOf(small), static_cast<std::int32_t>(small.size()));
}

void CallJpxx(std::uint32_t window) {
  procedureAs<JpxxFn>(externalFunctionTable()[ExternalFunction::JPXX])(static_cast<std::int32_t>(window));
}

}  // namespace quorvela::win
