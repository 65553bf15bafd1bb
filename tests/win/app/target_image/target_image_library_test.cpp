// The capture hand-off through the bound table: JQMBT's text, then a copy of its buffer.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/win/library_binding/external_function_binder.h"
#include "app/win/target_image/target_image_library.h"
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
  }
  void TearDown() override {
    slot(ExternalFunction::JQMBT) = nullptr;
    resultText.clear();
  }
  static FARPROC& slot(ExternalFunction f) { return externalFunctionTable().address[static_cast<std::size_t>(f)]; }
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
