#pragma once
// Serves the three small buttons beside the target preview (capture, test find, test
// send) and the preview itself. The handler is the target image's port (TargetImagePort),
// over its preview and its links.
#include <cstdint>
#include <string_view>
#include <tuple>

#include "app/core/object/event_owner.h"
#include "app/core/object/members_class.h"
#include "app/core/object/per_object.h"
#include "app/core/run/run_ports.h"
#include "app/core/run/run_state.h"
#include "app/core/target_image/target_image_actions.h"
#include "app/win/control_centre/control_centre_page.h"
#include "app/win/framework/picture_panel.h"
#include "app/win/framework/super_button.h"
#include "app/win/library_binding/bound_library.h"

namespace quorvela::win {

// What the handler works with beyond its controls; given by start-up before any window
// exists.
struct TargetImageLinks {
  RunState* state = nullptr;
  const BoundLibrary* library = nullptr;
  const ControlCentrePage* page = nullptr;  // the controls to adopt, the run log
  RunNowPort* runNow = nullptr;             // the run road's window search
};

class TargetImageHandler : public MembersClass<TargetImageHandler, CVolObject>, public TargetImagePort {
 public:
  static constexpr const char* kClassName = "quorvela::win::TargetImageHandler";
  static auto members(auto& self) {
    return std::tie(self.CaptureTargetButton, self.TestFindButton, self.TestSendButton, self.TargetPreview);
  }

  TargetImageHandler() { bindMembers(); }

  void setLinks(const TargetImageLinks& links) { links_ = links; }
  // Once at start-up, after the target file has been read: adopts the page's buttons and
  // preview, makes the first search for WeChat's window and logs it, and shows the stored
  // target or the placeholder.
  void BindTargetImageHandler();
  // Binds each button's click to TargetImageButtonCallback with this handler as owner.
  void bindMembers();

  SuperButton CaptureTargetButton;
  SuperButton TestFindButton;
  SuperButton TestSendButton;
  PicturePanel TargetPreview;

 private:
  friend std::int32_t TargetImageButtonCallback(CVolObject*, CVolObject*, std::int32_t);

  const char* runCapture() override;
  ByteBuffer readMemory(std::uint32_t address, std::int32_t length) override;
  std::uint32_t searchWindow() override;
  std::int32_t findWeChatWindow() override;
  void captureWeChatWindow() override;
  std::int32_t findImageInShot(const ByteBuffer& shot, const ByteBuffer& target) override;
  void pressSendKey(std::uint32_t window) override;
  void appendRunLog(int type, std::string_view utf8) override;
  bool showPicture(const ByteBuffer& bytes) override;
  void showPlaceholder() override;
  void writeTargetFile(const ByteBuffer& bytes) override;

  PerObject<TargetImageLinks> links_;
  EventOwner events_{*this};
};

// Capture, test find or test send by the sender; any other sender does nothing. 0.
std::int32_t TargetImageButtonCallback(CVolObject* owner, CVolObject* sender, std::int32_t extra);

}  // namespace quorvela::win
