#include "app/core/framework/ui_scale.h"

namespace quorvela {

namespace {
double programScale = 1.0;
}  // namespace

double UiScale::fromDpi(int dpi) {
  const double scale = dpi / 96.0;
  return scale < 1.0 ? 1.0 : scale;
}

int UiScale::toPixels(double scale, int designValue) { return static_cast<int>(designValue * scale + 0.5); }

double UiScale::current() { return programScale; }

void UiScale::setCurrent(double scale) { programScale = scale; }

}  // namespace quorvela
