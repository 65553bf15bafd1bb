#include "tests/win/app/run_scene.h"

#include "tests/support/bmp_builder.h"

namespace qv::test {

std::vector<std::uint8_t> Target() {
  return MakeBmp24(16, 16, [](int x, int y) { return (x + y) % 2 ? 0xC81E28u : 0x14B45Au; });
}

ProgramLayout RunLayout(const std::vector<std::uint8_t>& target) {
  ProgramLayout layout{.builtLibrary = true, .startInProgramFolder = true, .toControlCentre = true};
  if (!target.empty()) layout.targetFile = target;
  return layout;
}

int EnterPresses(const StandInRecord& record, unsigned message) {
  int count = 0;
  for (const auto& m : record.messages) count += m.message == message && m.wParam == VK_RETURN;
  return count;
}

}  // namespace qv::test
