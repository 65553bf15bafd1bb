#pragma once
// Serves the run-now button: every click runs the ready check, then starts or stops a run.
// The handler is the run road's port on the GUI thread (RunNowPort), over its button and
// its links: the timed run and the target image pass it to the run road too.
#include <cstdint>
#include <string_view>

#include "app/core/object/event_object_pointer.h"
#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/framework/super_button.h"
#include "app/win/framework/timer_control.h"
#include "app/win/library_binding/bound_library.h"
#include "app/win/run/automation_worker.h"

namespace quorvela::win {

// What the handler works with beyond its button; given by start-up before any window
// exists.
struct RunNowLinks {
  RunState* state = nullptr;
  const BoundLibrary* library = nullptr;
  const ControlCentrePage* page = nullptr;  // the button to adopt, the run log
  TimerControl* gaugeTimer = nullptr;       // the speed gauge handler's
};

class RunNowHandler : public VolClass<RunNowHandler, CVolObject>, public RunNowPort {
 public:
  static constexpr const char* kClassName = "quorvela::win::RunNowHandler";

  RunNowHandler();
  RunNowHandler(const RunNowHandler& other) : RunNowHandler() { *this = other; }
  // Copies the button; keeps this handler's own event record and links.
  RunNowHandler& operator=(const RunNowHandler& other);
  ~RunNowHandler() override;

  void setLinks(const RunNowLinks& links);
  // Adopts the page's run button and binds its click.
  void BindRunNow();
  void bindMembers();

  SuperButton RunNowButton;

 protected:
  void readMembers(VolStream& stream) override { RunNowButton.readFromStream(&stream); }
  void writeMembers(VolStream& stream) const override { RunNowButton.writeToStream(&stream); }

 private:
  friend std::int32_t RunNowButtonCallback(CVolObject*, CVolObject*, std::int32_t);

  std::uint32_t searchWeChatWindow() override;
  bool startWorker() override;
  void appendRunLog(int type, std::string_view text) override;
  void setRunButtonImage(int image) override;
  void setRunButtonText(std::string_view text) override;
  void setGaugeInterval(int milliseconds) override;

  RunNowLinks links_;
  WorkerContext worker_;
  EventRecord events_;
};

std::int32_t RunNowButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
