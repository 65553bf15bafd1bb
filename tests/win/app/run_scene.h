#pragma once
// The scene of the run tests: the built program with the built library and a target that
// the WeChat stand-in paints on request.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "tests/support/standin_client.h"
#include "tests/win/app/built_program.h"

namespace qv::test {

// Two colours in a checkerboard: nowhere in the stand-in's scene.
std::vector<std::uint8_t> Target();

// The built library, the target file (none when target is empty), started in the program's
// folder with its control centre in place.
ProgramLayout RunLayout(const std::vector<std::uint8_t>& target);

// Enter key messages of the given kind in the stand-in's record.
int EnterPresses(const StandInRecord& record, unsigned message);

}  // namespace qv::test
