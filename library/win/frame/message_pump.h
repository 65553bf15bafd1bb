#pragma once
// ProcessEvents on Windows: dispatches the calling thread's pending window messages.
namespace pixfarrow::win {

// Drains the calling thread's queue on its first call and then at most once per tick of
// GetTickCount: the searches call it after every pixel, and a queue check costs thousands
// of pixels. A WM_QUIT is posted again for the thread's own message loop.
void DispatchPendingMessages();

}  // namespace pixfarrow::win
