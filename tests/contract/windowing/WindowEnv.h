#pragma once
// What the window suite needs of the system it runs on.
#include <string>

#include "platform/types.h"

namespace windowenv {

// Back to a system without the suite's windows and timers.
void Fresh();
// Lets ms milliseconds pass while the thread does not look at its queue.
void LetTimePassBusy(unsigned ms);
// The text of the dialog's control with this id ("" when there is none).
std::string DialogItemText(platform::Hwnd dialog, int id);

}  // namespace windowenv
