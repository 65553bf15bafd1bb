#include "app/win/run_log/run_log.h"

#include "app/core/run_log/run_log_line.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

void AppendRunLog(const RichEditBox& log, std::int32_t type, const std::string& text) {
  const auto colour = runLogColour(type);
  if (!colour) return;
  RichTextFont format;
  format.face = widen(kRunLogFace);
  format.points = kRunLogPoints;
  format.colour = *colour;
  const RichTextOptions options;  // null: the paragraph format stays as it is
  RichEditAppend(log, widen(text) + L"\r\n", format, options);
}

}  // namespace quorvela::win
