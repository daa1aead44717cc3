#include "toolkit/controls/Image.h"

namespace toolkit {

namespace {
constexpr std::uint32_t kStmSetIcon = 0x0170;
}

TImage::TImage(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "STATIC";
  params.Style |= platform::SsIcon | platform::SsNotify;
}

void TImage::InitializeWnd() {
  if (picture_) platform::SendMessageA(Handle(), kStmSetIcon, picture_, 0);
}

void TImage::SetPicture(platform::Hicon icon) {
  picture_ = icon;
  if (HandleAllocated()) platform::SendMessageA(Handle(), kStmSetIcon, icon, 0);
}

}  // namespace toolkit
