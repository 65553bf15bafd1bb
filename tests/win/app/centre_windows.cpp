#include "tests/win/app/centre_windows.h"

#include "app/core/control_centre_design.h"
#include "tests/win/app/session_dpi.h"

namespace qv::test {

HWND settledPage(HWND form, int panelId) {
  HWND page = GetDlgItem(GetDlgItem(form, panelId), kPageId);
  for (int i = 0; i < 100 && page && childRectInParent(GetParent(page), kPageId).left != 0; ++i) Sleep(20);
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
