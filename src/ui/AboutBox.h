#pragma once
// TAboutBox: the About box, created once at start-up and shown modally from
// Help > About. Its web address is a link: red with a hand pointer while
// the pointer is over it, blue again once the pointer is over the bare
// panel, and any mouse button pressed on it opens its current text with
// the system's default handler.
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/forms/Form.h"

namespace muralto {

class TAboutBox : public vcl::TForm {
 public:
  explicit TAboutBox(vcl::TComponent* owner);

  vcl::TPanel* Panel1 = nullptr;
  vcl::TImage* ProgramIcon = nullptr;
  vcl::TLabel* LabelTitle = nullptr;
  vcl::TLabel* LabelAbout = nullptr;
  vcl::TLabel* LabelAuthor = nullptr;
  vcl::TLabel* LabelEmail = nullptr;
  vcl::TLabel* LabelSite = nullptr;
  vcl::TButton* OKButton = nullptr;

  void Panel1MouseMove(vcl::TObject* sender, vcl::TShiftState shift, int x, int y);
  void LabelSiteMouseMove(vcl::TObject* sender, vcl::TShiftState shift, int x, int y);
  void LabelSiteMouseDown(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);

 private:
  void SetLinkColor(vcl::TColor color);
};

}  // namespace muralto
