// Time entries and the date-time text composed from them: any bytes, read as the timed run
// reads them.
#include <cstdint>
#include <string>

#include "app/core/framework/date_time.h"
#include "app/core/framework/date_time_text.h"
#include "app/core/text/text_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An own buffer of exact size, so ASan sees any read past the text.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = quorvela::ParseDateTimeText(text);
  quorvela::DateTimeToUnixSeconds(value, -480);
  quorvela::DateTimePart(quorvela::kDayPart, value);
  quorvela::TextToInt(text);
  quorvela::WideLength(text);
  quorvela::LeftText(text, 1);
  quorvela::RightText(text, 1);
  return 0;
}
