#include "app/win/target_image/target_image_library.h"

#include "app/core/target_image/captured_bytes.h"
#include "app/win/library_binding/external_function_binder.h"
#include "app/win/platform/procedure_address.h"
#include "app/win/platform/process_memory.h"
#include "app/win/target_image/target_image_file.h"

namespace quorvela::win {

namespace {
using NoArgumentCall = std::int32_t(__stdcall*)();

std::int32_t callWithoutArguments(ExternalFunction function) {
  const FARPROC address = externalFunctionTable()[function];
  return address ? procedureAs<NoArgumentCall>(address)() : 0;
}
}  // namespace

const char* RunTargetCapture() {
  return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(
      static_cast<std::uint32_t>(callWithoutArguments(ExternalFunction::JQMBT))));
}

ByteBuffer CopyCapturedBytes(std::uint32_t address, std::int32_t length) {
  if (static_cast<std::uint64_t>(length) > LargestTargetBytes()) return {};
  return BytesFromAddress(address, length);
}

ByteBuffer CaptureTargetImage() { return CapturedBytesFromText(RunTargetCapture(), CopyCapturedBytes); }

}  // namespace quorvela::win
