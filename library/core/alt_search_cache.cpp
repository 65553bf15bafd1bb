#include "library/core/alt_search_cache.h"

namespace pixfarrow {

AltSearchCache& LibraryAltSearchCache() {
  static AltSearchCache cache;
  return cache;
}

}  // namespace pixfarrow
