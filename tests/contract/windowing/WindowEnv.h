#pragma once
// What the window suite needs of the system it runs on.
namespace windowenv {

// Back to a system without the suite's windows and timers.
void Fresh();
// Lets ms milliseconds pass while the thread does not look at its queue.
void LetTimePassBusy(unsigned ms);

}  // namespace windowenv
