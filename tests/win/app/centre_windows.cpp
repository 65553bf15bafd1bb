#include "tests/win/app/centre_windows.h"

#include <commctrl.h>

#include "app/core/control_centre/control_centre_design.h"
#include "common/win/kernel_owners.h"
#include "tests/support/wait_until.h"
#include "tests/win/app/child_program.h"
#include "tests/win/app/session_dpi.h"

namespace qv::test {

HWND settledPage(HWND form, int panelId) {
  HWND page = GetDlgItem(GetDlgItem(form, panelId), kPageId);
  if (page) WaitUntil([page] { return childRectInParent(GetParent(page), kPageId).left == 0; });
  return page;
}

HWND centreControl(HWND page, int id) {
  const auto design = quorvela::findDesign(quorvela::control_centre::kControls, id);
  if (!design) return nullptr;
  HWND parent = design->parentId ? GetDlgItem(page, design->parentId) : page;
  return GetDlgItem(parent, id);
}

std::wstring controlText(HWND window) {
  wchar_t text[8192] = {};
  SendMessageW(window, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(text));
  return text;
}

namespace {

// A tool record and room for its text, lent in the other process.
struct LentTool {
  TTTOOLINFOW tool;
  wchar_t text[256];
};

}  // namespace

std::wstring toolTipText(HWND control) {
  DWORD processId = 0;
  GetWindowThreadProcessId(control, &processId);
  const std::vector<HWND> tips = topLevelWindowsOf(
      processId, [](HWND window) { return _wcsicmp(className(window).c_str(), TOOLTIPS_CLASSW) == 0; });
  const qv::win::UniqueKernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  if (!process) return {};
  auto* lent =
      static_cast<LentTool*>(VirtualAllocEx(process.get(), nullptr, sizeof(LentTool), MEM_COMMIT, PAGE_READWRITE));
  if (!lent) return {};
  std::wstring text;
  for (HWND tip : tips) {
    const auto count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count && text.empty(); ++i) {
      LentTool asked{};
      asked.tool.cbSize = sizeof asked.tool;
      asked.tool.lpszText = lent->text;
      SIZE_T moved = 0;
      if (!WriteProcessMemory(process.get(), lent, &asked, sizeof asked, &moved)) continue;
      if (!SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&lent->tool))) continue;
      LentTool got{};
      if (!ReadProcessMemory(process.get(), lent, &got, sizeof got, &moved)) continue;
      const bool ofControl = (got.tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(got.tool.uId) == control
                                                              : got.tool.hwnd == control;
      got.text[255] = 0;
      if (ofControl) text = got.text;
    }
  }
  VirtualFreeEx(process.get(), lent, 0, MEM_RELEASE);
  return text;
}

GaugeRing gaugeRingAtATenth(HWND page) {
  // The ring's centre lies at (154.5, 138.24) with a radius of 107.5; a tenth of the scale is
  // at 198 degrees, counter-clockwise from three o'clock.
  POINT ring{52, 171};
  ClientToScreen(centreControl(page, quorvela::control_centre::kSpeedGaugeChart), &ring);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, ring.x, ring.y);
  ReleaseDC(nullptr, screen);
  if (colour == RGB(0xC1, 0x23, 0x2B)) return GaugeRing::kProgress;
  if (colour == RGB(0xE6, 0xEB, 0xF8)) return GaugeRing::kTrack;
  return GaugeRing::kOther;
}

std::vector<std::wstring> textLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\r' || c == L'\n') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace qv::test
