#pragma once
// The window capture made step by step with each step timed: GetWindowRect,
// GetWindowDC, EnumDisplaySettingsW, the HALFTONE StretchBlt, ReleaseDC, GetDC(0), the two
// GetDIBits calls and the last ReleaseDC. Every round derives everything anew, as a round
// that keeps nothing would.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "bench/step_samples.h"

namespace pixfarrow::bench {

// Adds one sample per step to samples; the capture's pixel rows in pixels.
bool TimedCaptureSteps(HWND window, StepSamples& samples, std::vector<std::uint8_t>& pixels);

}  // namespace pixfarrow::bench
