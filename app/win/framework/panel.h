#pragma once
// The framework's container control. Pages derive from it and fill its hooks.
#include <windows.h>

#include <cstdint>
#include <string>

#include "app/core/framework/window_object.h"
#include "app/win/framework/background.h"

namespace quorvela::win {

// Where a control goes, in physical pixels (callers scale design values with UiScale).
struct ControlPlacement {
  HWND parent = nullptr;
  WindowObject* owner = nullptr;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int controlId = 0;
  std::string text;
};

class Panel : public VolClass<Panel, WindowObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::Panel";

  // Creates the child window; on WM_CREATE the layout hook runs, then createdEvent.
  bool create(const ControlPlacement& placement);

  // Hooks for a page: its size when created without one, its layout and its event binding.
  virtual int clientWidth() const { return 0; }
  virtual int clientHeight() const { return 0; }
  virtual void layout() {}
  virtual void bindEvents() {}

  // Shows the window, or marks the panel visible for its creation.
  void show();

  bool onMessage(WindowMessage& message) override;

  std::uint32_t background = kSystemColour;
  bool visible = true;
  // Raised when the window is shown (not when hidden); a window created visible raises it
  // once right after its creation.
  EventSlot<> shownEvent;
};

}  // namespace quorvela::win
