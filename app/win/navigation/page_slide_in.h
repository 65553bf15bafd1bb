#pragma once
// SlideInPage: a thread slides a page in from the right. It reaches the page's window only
// through a lease that the GUI thread takes back when the window is destroyed.
#include "app/win/framework/panel.h"

namespace quorvela::win {

// Starts the slide of page's window on a thread of its own; nothing waits for it. Without
// a window, or when the thread cannot start, the page stays where it is.
void SlideInPage(const Panel& page);

}  // namespace quorvela::win
