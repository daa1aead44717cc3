#include "toolkit/forms/Dialogs.h"

#include "platform/dialogs.h"
#include "toolkit/forms/Application.h"

namespace toolkit {

int MessageBox(const std::string& text, std::uint32_t type) {
  TApplication* app = Application();
  std::string caption = app ? app->Title() : std::string();
  return platform::MessageBoxA(app ? app->FrontWindow() : 0, text.c_str(), caption.c_str(),
                               type | platform::MbTaskModal);
}

void ShowMessage(const std::string& text) { MessageBox(text, platform::MbOk); }

}  // namespace toolkit
