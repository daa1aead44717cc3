#pragma once
// What the window suite needs of the system it runs on.
#include <string>
#include <vector>

#include "platform/windowing.h"

namespace windowenv {

// Back to a system without the suite's windows and timers.
void Fresh();
// Lets ms milliseconds pass while the thread does not look at its queue.
void LetTimePassBusy(unsigned ms);
// The user clicks the check box of a list view's item: the press and the
// release reach the list view where its state image shows, and the thread
// handles what they bring before this returns.
void ClickListViewCheckBox(platform::Hwnd list, int index);
// The user edits the label of a list view's item (LVS_EDITLABELS) and ends
// with Enter, having typed text, or with Escape when text is null.
void EditListViewLabel(platform::Hwnd list, int index, const std::string* text);
// The shell drops paths on window, which accepts files, at point in its
// client coordinates: WM_DROPFILES is posted to it.
void DropFiles(platform::Hwnd window, const std::vector<std::string>& paths, platform::Point point);
// The standard cursor the pointer shows (IDC_ARROW, IDC_HAND), or 0.
int CursorShape();

}  // namespace windowenv
