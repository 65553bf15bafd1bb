#pragma once
// The control centre of a running Quorvela, found from outside by control ids.
#include <windows.h>

#include <string>
#include <vector>

namespace qv::test {

inline constexpr int kContentPanelId = 101;
inline constexpr int kNavPanelId = 102;
inline constexpr int kPageId = 0xFFFF;

// The page in a form's panel once its slide has ended (its left back at 0).
HWND settledPage(HWND form, int panelId);
// A control of the control-centre page, inside the group it belongs to.
HWND centreControl(HWND page, int id);
// The control's own text: GetWindowText of another process's edit control reads only
// the caption it was created with.
std::wstring controlText(HWND window);
// The non-empty lines of a text (a run log read with controlText).
std::vector<std::wstring> textLines(const std::wstring& text);

// The tip that a tool tip of the control's process gives the control (read through memory
// lent in that process); empty when there is none.
std::wstring toolTipText(HWND control);

// The speed gauge as the screen shows it, at its ring a tenth of the way up the scale (5 of
// its 50 rounds a second): in the progress colour while the last second's rounds were above
// that, in the track's colour below it. For the chart box of 309 x 256 pixels at 96 DPI.
enum class GaugeRing { kProgress, kTrack, kOther };
GaugeRing gaugeRingAtATenth(HWND page);

}  // namespace qv::test
