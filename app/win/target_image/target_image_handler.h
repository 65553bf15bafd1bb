#pragma once
// Serves the three small buttons beside the target preview (capture, test find, test
// send) and the preview itself.
#include <cstdint>

#include "app/core/object/event_object_pointer.h"
#include "app/win/framework/picture_panel.h"
#include "app/win/framework/super_button.h"

namespace quorvela::win {

class TargetImageHandler : public VolClass<TargetImageHandler, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::win::TargetImageHandler";

  TargetImageHandler();
  TargetImageHandler(const TargetImageHandler& other) : TargetImageHandler() { *this = other; }
  // Copies the controls; keeps this handler's own event record.
  TargetImageHandler& operator=(const TargetImageHandler& other);
  ~TargetImageHandler() override;

  // Binds each button's click to TargetImageButtonCallback with this handler as owner.
  void bindMembers();

  SuperButton CaptureTargetButton;
  SuperButton TestFindButton;
  SuperButton TestSendButton;
  PicturePanel TargetPreview;

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  EventRecord events_;
};

// Once at start-up, after the target file has been read: adopts the page's buttons and
// preview, makes the first search for WeChat's window and logs it, and shows the stored
// target or the placeholder.
void BindTargetImageHandler(TargetImageHandler& handler);

std::int32_t TargetImageButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);
// Capture, test find or test send by the sender; any other sender does nothing. 0.
std::int32_t OnTargetImageButton(TargetImageHandler& handler, CVolObject* sender);

}  // namespace quorvela::win
