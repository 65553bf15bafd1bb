#pragma once
// CapturedImage and CaptureResultText: the library's memory that JQMBT hands out. Both
// stay valid and unchanged until the next capture finishes or the library unloads.
#include <cstdint>

#include "common/bmp_file_bytes.h"

namespace pixfarrow::capture {

// The text of an empty capture, "0分割0" in GBK, which never goes away: what JQMBT gives
// when not even the text of the kept capture can be made.
inline constexpr char kEmptyCaptureResultText[] = "0\xB7\xD6\xB8\xEE" "0";

// Replaces CapturedImage (the old buffer is freed).
void SetCapturedImage(qv::BmpFileBytes image);
const qv::BmpFileBytes& CapturedImage();

// Builds CaptureResultText for CapturedImage, frees the previous text and returns the
// address of the new text's first character.
const char* StoreCaptureResultText();

// At unload: the text first, then the image.
void ReleaseCaptureResult();

}  // namespace pixfarrow::capture
