#include "library/win/frame/fatal_error.h"

#include <windows.h>

#include <string>

#include "library/win/frame/fatal_error_text.h"

namespace pixfarrow::win {

// Reached when a declared call cannot be made, so only the runtime's own imports are used.
void RuntimeFatalError(std::optional<int> code, std::string_view message) {
  const std::string text = FatalErrorText(code, message);
  const std::string caption = FatalErrorCaption();
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace pixfarrow::win
