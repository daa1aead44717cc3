#pragma once
// TImage: shows an icon of the program.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TImage : public TWinControl {
 public:
  explicit TImage(TComponent* owner);

  platform::Hicon Picture() const { return picture_; }
  void SetPicture(platform::Hicon icon);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  platform::Hicon picture_ = 0;
};

}  // namespace toolkit
