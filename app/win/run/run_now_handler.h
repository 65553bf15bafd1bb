#pragma once
// Serves the run-now button: every click runs the ready check, then starts or stops a run.
#include "app/core/object/event_object_pointer.h"
#include "app/win/framework/super_button.h"

namespace quorvela::win {

class RunNowHandler : public VolClass<RunNowHandler, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::RunNowHandler";

  RunNowHandler();
  RunNowHandler(const RunNowHandler& other) : RunNowHandler() { *this = other; }
  // Copies the button; keeps this handler's own event record.
  RunNowHandler& operator=(const RunNowHandler& other);
  ~RunNowHandler() override;

  // Adopts the page's run button and binds its click.
  void BindRunNow();
  void bindMembers();

  SuperButton RunNowButton;

 protected:
  void readMembers(VolStream& stream) override { RunNowButton.readFromStream(&stream); }
  void writeMembers(VolStream& stream) const override { RunNowButton.writeToStream(&stream); }

 private:
  EventRecord events_;
};

std::int32_t RunNowButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
