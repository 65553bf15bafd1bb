#pragma once
// The program's one record of a run, shared by the GUI thread and the automation worker.
// Flags, counter and window handle are atomic; the two image buffers are replaced whole.
#include <atomic>
#include <cstdint>

#include "app/core/object/shared_image_bytes.h"
#include "app/core/object/vol_class.h"

namespace quorvela {

class RunState : public VolClass<RunState, CVolObject> {
 public:
  static constexpr const char* kClassName = "quorvela::RunState";

  RunState() = default;
  RunState(const RunState& other) : VolClass(other) { copyFields(other); }
  RunState& operator=(const RunState& other);

  std::atomic<std::uint32_t> windowHandle{0};
  SharedImageBytes targetImage;
  SharedImageBytes screenshot;
  std::atomic<std::int32_t> running{0};
  std::atomic<std::int32_t> roundCount{0};
  std::atomic<std::int32_t> timedRunArmed{0};

 protected:
  void readMembers(VolStream& stream) override;
  void writeMembers(VolStream& stream) const override;

 private:
  void copyFields(const RunState& other);
};

}  // namespace quorvela
