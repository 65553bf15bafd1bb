#pragma once
// The run log: one coloured line per event, appended to the control centre's log box.
// GUI thread only.
#include <cstdint>
#include <string>

#include "app/win/framework/rich_edit_box.h"

namespace quorvela::win {

// Type 0 error (red), 1 warning (blue), 2 information (green); any other type writes
// nothing. The text (UTF-8) carries its own tag; "\r\n" ends the line.
void AppendRunLog(const RichEditBox& log, std::int32_t type, const std::string& text);

}  // namespace quorvela::win
