#pragma once
// What the window suite needs of the system it runs on.
#include "platform/types.h"

namespace windowenv {

// Back to a system without the suite's windows and timers.
void Fresh();
// Lets ms milliseconds pass while the thread does not look at its queue.
void LetTimePassBusy(unsigned ms);
// The user clicks the check box of a list view's item: the press and the
// release reach the list view where its state image shows, and the thread
// handles what they bring before this returns.
void ClickListViewCheckBox(platform::Hwnd list, int index);

}  // namespace windowenv
