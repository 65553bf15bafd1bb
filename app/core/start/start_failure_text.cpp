#include "app/core/start/start_failure_text.h"

namespace quorvela {

std::string caughtExceptionText(const CVolException& error) {
  return "俘获到异常,代码值为: " + std::to_string(error.code()) + ", 描述为: " + error.text();
}

}  // namespace quorvela
