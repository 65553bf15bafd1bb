#pragma once
// The framework's form: a top-level window made from recorded properties. A derived form
// gives its client size and creates its children in the hooks.
#include <windows.h>

#include <cstdint>

#include "app/core/framework/window_object.h"
#include "app/win/framework/background.h"

namespace quorvela::win {

struct FormProperties {
  bool sizable = true;        // false: fixed frame, no sizing border
  bool maximizeBox = true;
  bool minimizeBox = true;
  bool centred = false;       // on the primary screen, then on the window's monitor
  bool visible = true;
  int iconResource = 0;       // 0 = none
  std::uint32_t background = kSystemColour;
};

class CVolWinForm : public VolClass<CVolWinForm, WindowObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::CVolWinForm";

  // Client size used when the form is created without a size.
  virtual int clientWidth() const { return 0; }
  virtual int clientHeight() const { return 0; }
  // Runs on WM_CREATE, before createdEvent.
  virtual void createChildren() {}
  virtual int bindingHook() { return 1; }
  virtual void bindEvents() {}

  bool onMessage(WindowMessage& message) override;

  DWORD windowStyle() const;
  DWORD windowExStyle() const;

  FormProperties properties;
};

// Creates the form's window from its properties (the caption is the form's text);
// non-zero on success.
int CreateFormWindow(CVolWinForm& form, CVolWinForm* owner);

}  // namespace quorvela::win
