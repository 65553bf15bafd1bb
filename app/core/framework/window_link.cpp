#include "app/core/framework/window_link.h"

namespace quorvela {

WindowLink::~WindowLink() {
  listener_ = nullptr;
  const std::uintptr_t window = handle();
  if (window && closer_) closer_(window);
}

}  // namespace quorvela
