// Message boxes with scripted answers, and counted beeps.
#include "platform/dialogs.h"
#include "platform/sim/SimWindowState.h"

namespace platform {
using namespace sim::detail;

int MessageBoxA(Hwnd owner, const char* text, const char* caption, std::uint32_t type) {
  sim::MessageBoxCall call{owner, text ? text : "", caption ? caption : "Error", type};
  S().boxes.push_back(call);
  // A modal box disables its owner while it is open.
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, false);
  int answer = (type & 0xF) == MbYesNo ? IdYes : IdOk;
  if (S().boxHandler) {
    auto handler = S().boxHandler;
    answer = handler(call);
  }
  if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, true);
  return answer;
}

bool MessageBeep(std::uint32_t type) {
  S().beeps.push_back(type);
  return true;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

std::vector<MessageBoxCall>& MessageBoxes() { return S().boxes; }
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler) { S().boxHandler = std::move(handler); }
std::vector<std::uint32_t>& Beeps() { return S().beeps; }

}  // namespace sim
