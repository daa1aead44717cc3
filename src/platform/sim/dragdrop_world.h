#pragma once
// Files dropped from the shell onto simulated windows, seen from a test.
#include <string>
#include <vector>

#include "platform/dragdrop.h"

namespace sim {

// The user drops paths, in this order, with the pointer at point (client
// coordinates of window, the window under the pointer). As the shell does,
// the drop goes to the first window from there up through its parents that
// accepts files (DragAcceptFiles), the point carried into that window's
// client coordinates, and is posted to it as WM_DROPFILES with a new drop
// handle. Returns that window, or 0 when none accepts: nothing is posted.
platform::Hwnd DropFiles(platform::Hwnd window, const std::vector<std::string>& paths, platform::Point point);

// Drop handles released with DragFinish, in order.
std::vector<platform::Hdrop>& FinishedDrops();
// Drop handles handed out and not released yet.
int LiveDrops();

}  // namespace sim
