#pragma once
// Serves the run-now button: every click runs the ready check, then starts or stops a run.
// The handler is the run road's port on the GUI thread (RunNowPort), over its button and
// its links: the timed run and the target image pass it to the run road too.
#include <cstdint>
#include <string_view>
#include <tuple>

#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
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
  WorkerContext run;                        // the run state and the library, as a worker gets them
  const ControlCentrePage* page = nullptr;  // the button to adopt, the run log
  TimerControl* gaugeTimer = nullptr;       // the speed gauge handler's
};

class RunNowHandler : public MembersClass<RunNowHandler, CVolObject>, public RunNowPort {
 public:
  static constexpr const char* kClassName = "quorvela::win::RunNowHandler";
  static auto members(auto& self) { return std::tie(self.RunNowButton); }

  RunNowHandler() { bindMembers(); }

  void setLinks(const RunNowLinks& links) { links_ = links; }
  // Adopts the page's run button and binds its click.
  void BindRunNow();
  void bindMembers();

  SuperButton RunNowButton;

 private:
  friend std::int32_t RunNowButtonCallback(CVolObject*, CVolObject*, std::int32_t);

  std::uint32_t searchWeChatWindow() override;
  bool startWorker() override;
  void appendRunLog(int type, std::string_view text) override;
  void setRunButtonImage(int image) override;
  void setRunButtonText(std::string_view text) override;
  void setGaugeInterval(int milliseconds) override;

  PerObject<RunNowLinks> links_;
  EventOwner events_{*this};
};

std::int32_t RunNowButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
