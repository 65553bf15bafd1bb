#include "app/win/framework/panel.h"

#include "app/win/framework/window_procedure.h"
#include "app/win/platform/wide_text.h"

namespace quorvela::win {

bool Panel::create(const ControlPlacement& placement) {
  CreateWindowArgs args;
  args.className = frameworkWindowClass({L"QuorvelaPanel", nullptr});
  args.text = widen(placement.text);
  args.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
  args.exStyle = WS_EX_CONTROLPARENT;
  args.left = placement.left;
  args.top = placement.top;
  args.width = placement.width > 0 || placement.height > 0 ? placement.width : clientWidth();
  args.height = placement.width > 0 || placement.height > 0 ? placement.height : clientHeight();
  args.parent = placement.parent;
  args.controlId = placement.controlId;
  text = placement.text;
  return createWindowFor(*this, args) != nullptr;
}

void Panel::show() {
  if (HWND window = windowOf(*this)) {
    ShowWindow(window, SW_SHOW);
  } else {
    visible = true;
  }
}

bool Panel::onMessage(WindowMessage& message) {
  switch (message.id) {
    case WM_SHOWWINDOW:
      if (message.wParam) shownEvent.fire(this);
      return false;
    case WM_CREATE:
      layout();
      createdEvent.fire(this);
      return false;
    case WM_ERASEBKGND:
      return answerErase(windowOf(*this), message, background);
    case WM_DESTROY:
      destroyedEvent.fire(this);
      return false;
    default:
      return false;
  }
}

}  // namespace quorvela::win
