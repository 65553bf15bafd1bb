#pragma once
// "目标图.bmp" in the program's folder: the target image kept from one start to the next.
#include <cstdint>
#include <string>

#include "app/core/object/byte_buffer.h"
#include "app/core/run/run_state.h"

namespace quorvela::win {

// The program's folder joined with "目标图.bmp", whatever the current directory is; empty
// when the folder cannot be had.
std::wstring TargetImagePath();

// The largest target: the largest capture this machine's screens allow, of the virtual
// screen or of the largest window, whichever is wider and taller.
std::uint64_t LargestTargetBytes();

// Start-up: the whole file into RunState::targetImage; a missing, empty or unreadable file,
// or one larger than LargestTargetBytes, gives an empty target, silently.
void LoadTargetImageFile(RunState& state);

// After a capture: the file replaced whole by the bytes (an empty target leaves an empty
// file), or, where it cannot be replaced, written over in place (WriteFileInPlace). Says
// nothing; true when the file now holds the bytes.
bool StoreTargetImageFile(const ByteBuffer& bytes);

}  // namespace quorvela::win
