#include "app/win/framework/rich_edit_box.h"

#include <richedit.h>

#include <algorithm>

#include "app/win/framework/control_window.h"
#include "app/win/framework/window_procedure.h"
#include "app/win/platform/system_library.h"

namespace quorvela::win {

namespace {

constexpr LPARAM kNoLimit = 0x7FFFFFFE;

// The control's class lives in its library, loaded once for the process.
bool richEditLoaded() {
  static const qv::win::UniqueModule library = LoadSystemLibrary(L"riched20.dll");
  return static_cast<bool>(library);
}

// In character positions, a paragraph mark counting 1. WM_GETTEXTLENGTH counts it as the
// two characters "\r\n", which would put every range one character per line too far.
LONG textLength(HWND window) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(SendMessageW(window, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

void select(HWND window, LONG from, LONG to) {
  CHARRANGE range{from, to};
  SendMessageW(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

}  // namespace

bool RichEditBox::create(const ControlPlacement& placement) {
  if (!richEditLoaded()) return false;
  DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (readOnly) style |= ES_READONLY;
  if (border) style |= WS_BORDER;
  HWND window = createSystemControlWindow(*this, L"RichEdit20W", style, 0, placement);
  if (!window) return false;
  if (font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font->get()), FALSE);
  SendMessageW(window, EM_EXLIMITTEXT, 0, kNoLimit);
  return true;
}

void RichEditAppend(const RichEditBox& box, const std::wstring& text, const RichTextFont& format,
                    const RichTextOptions& options) {
  HWND window = windowOf(box);
  if (!window || text.empty()) return;
  const auto linesBefore = SendMessageW(window, EM_GETLINECOUNT, 0, 0);
  const LONG start = textLength(window);
  select(window, start, start);
  SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  const LONG end = textLength(window);

  select(window, start, end);
  CHARFORMATW character{};
  character.cbSize = sizeof character;
  character.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_SIZE | CFM_COLOR |
                     CFM_FACE | CFM_OFFSET;
  if (format.bold) character.dwEffects |= CFE_BOLD;
  if (format.italic) character.dwEffects |= CFE_ITALIC;
  if (format.underline) character.dwEffects |= CFE_UNDERLINE;
  if (format.strikeOut) character.dwEffects |= CFE_STRIKEOUT;
  if (format.isProtected) character.dwEffects |= CFE_PROTECTED;
  if (format.colour == 0xFF000000) {
    character.dwEffects |= CFE_AUTOCOLOR;
  } else {
    character.crTextColor = static_cast<COLORREF>(format.colour);
  }
  character.yHeight = format.points * 20;
  character.yOffset = format.offset;
  const std::size_t faceLength = std::min<std::size_t>(format.face.size(), LF_FACESIZE - 1);
  std::copy_n(format.face.c_str(), faceLength, character.szFaceName);
  SendMessageW(window, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&character));

  if (!options.isNull) {
    PARAFORMAT paragraph{};
    paragraph.cbSize = sizeof paragraph;
    paragraph.dwMask = PFM_ALIGNMENT;
    paragraph.wAlignment = static_cast<WORD>(options.alignment);
    SendMessageW(window, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
  }

  select(window, end, end);
  const auto linesAfter = SendMessageW(window, EM_GETLINECOUNT, 0, 0);
  SendMessageW(window, EM_LINESCROLL, 0, linesAfter - linesBefore);
}

}  // namespace quorvela::win
