#pragma once
// TLabel: static text with its own font colour and style. With AutoSize
// (the default) it takes the size of its text in its font whenever the
// text, the font or the wrapping changes; a label that wraps its text keeps
// its width and takes the height of the lines.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  void SetText(const std::string& text) override;
  bool CNCtlColor(platform::Hdc dc, platform::Lresult* brush) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void FontChanged() override;

 private:
  void AdjustBounds();

  bool autoSize_ = true;
  bool wordWrap_ = false;
};

}  // namespace toolkit
