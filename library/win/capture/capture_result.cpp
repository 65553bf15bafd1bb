#include "library/win/capture/capture_result.h"

#include <memory>
#include <string>

#include "common/capture_result_text.h"

namespace pixfarrow::capture {
namespace {

// Heap blocks of their own, so a new capture always hands out new addresses.
std::unique_ptr<qv::BmpFileBytes> image;
std::unique_ptr<std::string> text;
const qv::BmpFileBytes kEmpty;

}  // namespace

void SetCapturedImage(qv::BmpFileBytes next) {
  image = next.empty() ? nullptr : std::make_unique<qv::BmpFileBytes>(std::move(next));
}

const qv::BmpFileBytes& CapturedImage() { return image ? *image : kEmpty; }

const char* StoreCaptureResultText() {
  const auto& bytes = CapturedImage();
  const auto address =
      bytes.empty() ? 0 : static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(bytes.data()));
  text = std::make_unique<std::string>(qv::FormatCaptureResultText(address, static_cast<std::int32_t>(bytes.size())));
  return text->c_str();
}

void ReleaseCaptureResult() {
  text.reset();
  image.reset();
}

}  // namespace pixfarrow::capture
