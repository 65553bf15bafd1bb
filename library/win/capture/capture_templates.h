#pragma once
// The three window templates of the capture, stored in the library.
#include <string>

#include "library/win/capture/runtime/window_template.h"

namespace pixfarrow::capture {

inline const wchar_t kBottomBoard[] = L"画板_底层";
inline const wchar_t kTopBoard[] = L"画板_上层";
inline const wchar_t kSaveBoard[] = L"画板_图片保存";
inline const wchar_t kGuideTitle[] = L"标签1";
inline const wchar_t kGuideSteps[] = L"标签2";
inline const wchar_t kGuideShape[] = L"外形框1";
inline const wchar_t kGuidePicture[] = L"图片框1";

struct CaptureTemplates {
  WindowTemplate captureWindow;
  WindowTemplate selectionOverlay;
  WindowTemplate captureGuide;
};

// Built once, on the first call (the first capture's).
const CaptureTemplates& BuildCaptureTemplates();

// The guide's instructions: its lines joined by CR LF.
std::wstring GuideStepsText();

}  // namespace pixfarrow::capture
