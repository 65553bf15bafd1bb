#pragma once
// The control-centre page as designed at 96 DPI.
#include <array>

#include "app/core/framework/control_design.h"

namespace quorvela {

namespace control_centre {

inline constexpr int kPageWidth = 653;
inline constexpr int kPageHeight = 500;

enum Id : int {
  kTopPanel = 101,
  kRunNowButton,
  kTimedRunButton,
  kTargetPreview,
  kCaptureTargetButton,
  kTestFindButton,
  kTestSendButton,
  kHourEdit,
  kHourUnitLabel,
  kMinuteEdit,
  kMinuteUnitLabel,
  kTimerCaptionLabel,
  kTimerHelpLabel,
  kCountdownTimer,
  kSecondEdit,
  kSecondUnitLabel,
  kSpeedGaugeGroup,
  kGaugeTimer,
  kSpeedGaugeChart,
  kRunLogGroup,
  kErrorSwatch,
  kErrorSwatchLabel,
  kWarningSwatch,
  kWarningSwatchLabel,
  kInfoSwatch,
  kInfoSwatchLabel,
  kRunLogBox,
};

// The 27 controls in id order 101 to 127.
extern const std::array<ControlDesign, 27> kControls;

}  // namespace control_centre

}  // namespace quorvela
