#include "library/core/color_search_cache.h"

namespace pixfarrow {

ColorSearchCache& LibraryColorSearchCache() {
  static ColorSearchCache cache;
  return cache;
}

}  // namespace pixfarrow
