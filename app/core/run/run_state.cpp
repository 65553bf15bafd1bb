#include "app/core/run/run_state.h"

namespace quorvela {

RunState& RunState::operator=(const RunState& other) {
  if (this != &other) {
    CVolObject::operator=(other);
    copyFields(other);
  }
  return *this;
}

void RunState::copyFields(const RunState& other) {
  windowHandle = other.windowHandle.load();
  targetImage = other.targetImage;
  screenshot = other.screenshot;
  running = other.running.load();
  roundCount = other.roundCount.load();
  timedRunArmed = other.timedRunArmed.load();
}

void RunState::readMembers(VolStream& stream) {
  std::int32_t value = 0;
  if (stream.readInt32(value)) windowHandle = static_cast<std::uint32_t>(value);
  ByteBuffer bytes;
  if (stream.readBytes(bytes)) targetImage.replace(std::move(bytes));
  bytes.clear();
  if (stream.readBytes(bytes)) screenshot.replace(std::move(bytes));
  if (stream.readInt32(value)) running = value;
  if (stream.readInt32(value)) roundCount = value;
  if (stream.readInt32(value)) timedRunArmed = value;
}

void RunState::writeMembers(VolStream& stream) const {
  stream.writeInt32(static_cast<std::int32_t>(windowHandle.load()));
  stream.writeBytes(*targetImage.snapshot());
  stream.writeBytes(*screenshot.snapshot());
  stream.writeInt32(running.load());
  stream.writeInt32(roundCount.load());
  stream.writeInt32(timedRunArmed.load());
}

}  // namespace quorvela
