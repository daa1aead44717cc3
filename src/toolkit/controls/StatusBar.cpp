#include "toolkit/controls/StatusBar.h"

#include "platform/commctrl.h"

namespace toolkit {

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 0, 19); }

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = platform::WcStatusBar;
}

}  // namespace toolkit
