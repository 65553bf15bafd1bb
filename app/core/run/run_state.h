#pragma once
// The program's one record of a run, shared by the GUI thread and the automation worker.
// Flags, counter and window handle are atomic; the two image buffers are replaced whole.
#include <cstdint>
#include <tuple>

#include "app/core/object/copyable_atomic.h"
#include "app/core/object/members_class.h"
#include "app/core/object/shared_image_bytes.h"

namespace quorvela {

class RunState : public MembersClass<RunState, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::RunState";

  static auto members(auto& self) {
    return std::tie(self.windowHandle, self.targetImage, self.screenshot, self.running, self.roundCount,
                    self.timedRunArmed);
  }

  CopyableAtomic<std::uint32_t> windowHandle{0u};
  SharedImageBytes targetImage;
  SharedImageBytes screenshot;
  CopyableAtomic<std::int32_t> running{0};
  CopyableAtomic<std::int32_t> roundCount{0};
  CopyableAtomic<std::int32_t> timedRunArmed{0};
};

}  // namespace quorvela
