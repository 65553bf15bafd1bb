#include "app/core/framework/date_time_text.h"

#include "app/core/framework/date_time.h"
#include "app/core/text/utf8_cursor.h"

namespace quorvela {
namespace {

class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : cursor_(text) {}

  // Up to maxDigits ASCII digits; 0 when there are none.
  int number(int maxDigits) {
    int value = 0;
    for (int i = 0; i < maxDigits && !cursor_.atEnd(); ++i) {
      const char32_t c = cursor_.peek();
      if (c < U'0' || c > U'9') break;
      value = value * 10 + static_cast<int>(c - U'0');
      cursor_.advance();
    }
    return value;
  }

  // Skips the next character when it is one of the common separators or the unit.
  void separator(char32_t unit, bool blankToo = false) {
    if (cursor_.atEnd()) return;
    const char32_t c = cursor_.peek();
    if (c == U'-' || c == U'.' || c == U'/' || c == U':' || c == unit || (blankToo && c == U' '))
      cursor_.advance();
  }

  bool atEndOrSecondUnit() const { return cursor_.atEnd() || cursor_.peek() == U'秒'; }

 private:
  Utf8Cursor cursor_;
};

}  // namespace

std::optional<double> TryParseDateTimeText(std::string_view text) {
  if (text.empty()) return std::nullopt;
  FieldReader reader(text);
  const int year = reader.number(4);
  reader.separator(U'年');
  const int month = reader.number(2);
  reader.separator(U'月');
  const int day = reader.number(2);
  reader.separator(U'日', true);
  const int hour = reader.number(2);
  reader.separator(U'时');
  const int minute = reader.number(2);
  reader.separator(U'分');
  const int second = reader.number(2);
  if (!reader.atEndOrSecondUnit()) return std::nullopt;
  return ComposeDateTime(year, month, day, hour, minute, second, 0);
}

double ParseDateTimeText(std::string_view text) {
  return TryParseDateTimeText(text).value_or(kEarliestDateTime);
}

}  // namespace quorvela
