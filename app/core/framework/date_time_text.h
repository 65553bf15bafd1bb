#pragma once
// Reading a date-time from text (UTF-8).
#include <optional>
#include <string_view>

namespace quorvela {

// Form 1: year (up to 4 digits), month, day, hour, minute, second (up to 2 digits each),
// each followed by one optional separator: after the year "-./:" or "年", after the month
// "-./:" or "月", after the day " -./:" or "日", after the hour "-./:" or "时", after the
// minute "-./:" or "分". A missing number counts as 0. The text must end after the second or
// go on with "秒" (what follows is not looked at); the fields then go through the clamps of
// ComposeDateTime. Nothing for any other text, and for an empty one.
std::optional<double> TryParseDateTimeText(std::string_view text);

// As above, with the earliest date (100-01-01 00:00:00) for a text that does not parse.
double ParseDateTimeText(std::string_view text);

}  // namespace quorvela
