#pragma once
// TLabel: a line of static text with its own font colour and style.
#include "toolkit/controls/WinControl.h"

namespace vcl {

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on) { autoSize_ = on; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  bool CNCtlColor(platform::Hdc dc, platform::Lresult* brush) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool autoSize_ = true;
  bool wordWrap_ = false;
};

}  // namespace vcl
