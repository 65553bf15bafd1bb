#pragma once
// "目标图.bmp" in the program's folder: the target image kept from one start to the next.
#include <string>

#include "app/core/byte_buffer.h"
#include "app/core/run_state.h"

namespace quorvela::win {

// The program's folder joined with "目标图.bmp", whatever the current directory is; empty
// when the folder cannot be had.
std::wstring TargetImagePath();

// Start-up: the whole file into RunState::targetImage; a missing, empty or unreadable file
// gives an empty target, silently.
void LoadTargetImageFile(RunState& state);

// After a capture: the file replaced whole by the bytes (an empty target leaves an empty
// file). A failed write keeps the old file and says nothing.
void StoreTargetImageFile(const ByteBuffer& bytes);

}  // namespace quorvela::win
