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

class TAboutBox : public toolkit::TForm {
 public:
  explicit TAboutBox(toolkit::TComponent* owner);

  toolkit::TPanel* Panel1 = nullptr;
  toolkit::TImage* ProgramIcon = nullptr;
  toolkit::TLabel* LabelTitle = nullptr;
  toolkit::TLabel* LabelAbout = nullptr;
  toolkit::TLabel* LabelAuthor = nullptr;
  toolkit::TLabel* LabelEmail = nullptr;
  toolkit::TLabel* LabelSite = nullptr;
  toolkit::TButton* OKButton = nullptr;

  void Panel1MouseMove(toolkit::TObject* sender, toolkit::TShiftState shift, int x, int y);
  void LabelSiteMouseMove(toolkit::TObject* sender, toolkit::TShiftState shift, int x, int y);
  void LabelSiteMouseDown(toolkit::TObject* sender, toolkit::TMouseButton button, toolkit::TShiftState shift, int x,
                          int y);

 private:
  void SetLinkColor(toolkit::TColor color);
};

}  // namespace muralto
