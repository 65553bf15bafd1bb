#pragma once
// What the control-centre page asks of the program once its window exists, each of the
// handler it belongs to: the start hook when the page has been created (the speed gauge's
// handler), the slide-in each time it is shown (the navigation's handler).
namespace quorvela {

class ControlCentreStartPort {
 public:
  virtual ~ControlCentreStartPort() = default;
  // Once: the handlers adopt the page's controls, the stored target is read.
  virtual void StartupHook() = 0;
};

class ControlCentreShownPort {
 public:
  virtual ~ControlCentreShownPort() = default;
  // The page slides into place.
  virtual void PageShown() = 0;
};

}  // namespace quorvela
