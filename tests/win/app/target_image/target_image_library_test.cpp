// The capture hand-off through the bound table, as the target-image handler makes it: JQMBT's
// text, then a copy of its buffer.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/core/target_image/target_image_actions.h"
#include "app/win/library_binding/bound_library.h"
#include "app/win/target_image/target_image_handler.h"
#include "common/capture_result_text.h"
#include "tests/win/app/target_image/file_folder.h"

namespace qv::test {
namespace {

using quorvela::ByteBuffer;
using quorvela::ExternalFunction;
using namespace quorvela::win;

// What the stand-in JQMBT returns: a result text it owns, as the library does.
std::string resultText;
ByteBuffer libraryBuffer;

std::int32_t __stdcall StandInCapture() {
  return resultText.empty() ? 0 : static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(resultText.c_str()));
}

std::int32_t addressOf(const void* p) { return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(p)); }

class TargetImageLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    slot(ExternalFunction::JQMBT) = reinterpret_cast<FARPROC>(&StandInCapture);
    handler.setLinks({nullptr, &library, nullptr, nullptr});
  }
  void TearDown() override { resultText.clear(); }
  FARPROC& slot(ExternalFunction f) { return library.table().address[static_cast<std::size_t>(f)]; }
  ByteBuffer CaptureTargetImage() { return quorvela::CaptureTargetImage(handler); }

  BoundLibrary library;
  TargetImageHandler handler;
};

TEST_F(TargetImageLibrary, CaptureCopiesTheNamedBufferOrGivesNothing) {
  libraryBuffer = Pattern(5000);
  void* reserved = VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_NOACCESS);
  struct Case {
    const char* label;
    std::string text;
    ByteBuffer want;
  };
  const Case cases[] = {
      {"5000 bytes", qv::FormatCaptureResultText(addressOf(libraryBuffer.data()), 5000), Pattern(5000)},
      {"length 0", qv::FormatCaptureResultText(addressOf(libraryBuffer.data()), 0), {}},
      {"nothing captured", qv::FormatCaptureResultText(0, 0), {}},
      {"unreadable address", qv::FormatCaptureResultText(addressOf(reserved), 54), {}},
      {"no separator", std::to_string(addressOf(libraryBuffer.data())) + "-5000", {}},
      {"no text", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    resultText = c.text;
    EXPECT_EQ(CaptureTargetImage(), c.want);
  }
  VirtualFree(reserved, 0, MEM_RELEASE);
}

TEST_F(TargetImageLibrary, UnboundCaptureGivesNothing) {
  resultText = qv::FormatCaptureResultText(addressOf(libraryBuffer.data()), 1);
  slot(ExternalFunction::JQMBT) = nullptr;
  EXPECT_TRUE(CaptureTargetImage().empty());
}

}  // namespace
}  // namespace qv::test
