#pragma once
// The UI scale factor: every design size or position at 96 DPI becomes trunc(v * scale + 0.5).
namespace quorvela {

class UiScale {
 public:
  // max(1.0, dpi / 96).
  static double fromDpi(int dpi);
  static int toPixels(double scale, int designValue);

  // The program-wide factor, set once at start-up (1.0 until then).
  static double current();
  static void setCurrent(double scale);
  static int px(int designValue) { return toPixels(current(), designValue); }
};

}  // namespace quorvela
