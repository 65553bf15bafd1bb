#pragma once
// A single-line edit box (the system's edit control).
#include "app/win/framework/panel.h"
#include "app/win/framework/text_control.h"

namespace quorvela::win {

class EditBox : public VolClass<EditBox, TextControl> {
 public:
  static constexpr const char* kClassName = "quorvela::win::EditBox";

  bool create(const ControlPlacement& placement);
  // Refuses what integer input does not take, with the warning beep.
  bool onMessage(WindowMessage& message) override;

  int maxLength = 0;  // characters; 0: the system's limit
  bool centred = false;
  bool integerInput = false;
  bool hideSelection = true;  // while the box has no focus
  bool clientEdge = true;
  bool tabStop = true;

  // Raised on every change of the text, also one the program makes, before that change's
  // SetControlText returns.
  EventSlot<> textChangedEvent;
};

}  // namespace quorvela::win
