#pragma once
// ProcessEvents, the runtime service that the pattern searches call while they scan: it
// dispatches the calling thread's pending window messages. The portable core only calls
// it; the Windows layer installs the handler that does the work.
namespace pixfarrow {

using EventHandler = void (*)();

// Installs the handler; nullptr (the default) makes ProcessEvents do nothing.
void SetProcessEventsHandler(EventHandler handler);

void ProcessEvents();

}  // namespace pixfarrow
