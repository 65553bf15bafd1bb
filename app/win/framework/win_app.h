#pragma once
// The framework's window-application base: the hooks the message loop calls.
#include <windows.h>

#include "app/core/framework/user_app.h"

namespace quorvela::win {

class CVolWinApp : public VolClass<CVolWinApp, CVolUserApp> {
 public:
  static constexpr const char* kClassName = "quorvela::win::CVolWinApp";

  // Work done while the queue is empty; false when there is none left.
  virtual bool onIdle() { return false; }
  // True when the message was handled and must not be dispatched.
  virtual bool preTranslateMessage(MSG&) { return false; }
};

}  // namespace quorvela::win
