#include "app/core/navigation/slide_in.h"

namespace quorvela {

void slideIntoPlace(SlideTarget& page) {
  page.moveToLeft(SlideIn::kStartOffset);
  for (;;) {
    const std::optional<int> left = page.left();
    if (!left || *left <= 0) break;
    page.moveToLeft(*left - SlideIn::kStep);
    page.pause();
  }
  page.moveToLeft(0);
}

}  // namespace quorvela
