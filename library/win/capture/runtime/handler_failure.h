#pragma once
// An exception that a window procedure of the runtime caught. It cannot unwind through the
// system's frames between the message loop and the procedure, so the procedure keeps it
// and the modal loop that dispatched the message throws it again.
namespace pixfarrow::capture {

// In a catch block: keeps the exception in flight, unless one is kept already.
void KeepHandlerFailure() noexcept;

// Throws the kept exception, if any, and forgets it.
void RethrowHandlerFailure();

// Forgets the kept exception, if any.
void ForgetHandlerFailure() noexcept;

}  // namespace pixfarrow::capture
