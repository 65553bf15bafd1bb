#pragma once
// Per-monitor DPI awareness and the DPI of the desktop's monitor, through SHCore when the
// system has it.
namespace quorvela::win {

void requestPerMonitorDpiAwareness();
// GetDpiForMonitor's effective vertical DPI, else GetDeviceCaps(LOGPIXELSY) of the desktop.
int desktopDpi();

}  // namespace quorvela::win
