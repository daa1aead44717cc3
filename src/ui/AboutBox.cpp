#include "ui/AboutBox.h"

#include <string>

#include "platform/shell.h"
#include "resources/layouts/Layouts.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

namespace {

constexpr toolkit::TColor kLinkColor = 0xFF0000;   // blue (0, 0, 255)
constexpr toolkit::TColor kHoverColor = 0x0000FF;  // red (255, 0, 0)

toolkit::TLayoutHandlers AboutHandlers(TAboutBox* box) {
  using toolkit::LayoutMethod;
  return {
      {"Panel1MouseMove", LayoutMethod(box, &TAboutBox::Panel1MouseMove)},
      {"LabelSiteMouseMove", LayoutMethod(box, &TAboutBox::LabelSiteMouseMove)},
      {"LabelSiteMouseDown", LayoutMethod(box, &TAboutBox::LabelSiteMouseDown)},
  };
}

}  // namespace

TAboutBox::TAboutBox(toolkit::TComponent* owner) : toolkit::TForm(owner) {
  toolkit::LoadLayout(this, LayoutText("about"), AboutHandlers(this));
  Panel1 = toolkit::LayoutComponent<toolkit::TPanel>(this, "Panel1");
  ProgramIcon = toolkit::LayoutComponent<toolkit::TImage>(this, "ProgramIcon");
  LabelTitle = toolkit::LayoutComponent<toolkit::TLabel>(this, "LabelTitle");
  LabelAbout = toolkit::LayoutComponent<toolkit::TLabel>(this, "LabelAbout");
  LabelAuthor = toolkit::LayoutComponent<toolkit::TLabel>(this, "LabelAuthor");
  LabelEmail = toolkit::LayoutComponent<toolkit::TLabel>(this, "LabelEmail");
  LabelSite = toolkit::LayoutComponent<toolkit::TLabel>(this, "LabelSite");
  OKButton = toolkit::LayoutComponent<toolkit::TButton>(this, "OKButton");
}

void TAboutBox::Panel1MouseMove(toolkit::TObject*, toolkit::TShiftState, int, int) { SetLinkColor(kLinkColor); }

void TAboutBox::LabelSiteMouseMove(toolkit::TObject*, toolkit::TShiftState, int, int) {
  // The cursor belongs to the label: it shows only while the pointer is
  // over it, so nothing has to set it back.
  LabelSite->SetCursor(toolkit::TCursor::crHandPoint);
  SetLinkColor(kHoverColor);
}

void TAboutBox::LabelSiteMouseDown(toolkit::TObject*, toolkit::TMouseButton, toolkit::TShiftState, int, int) {
  // A failure to open the address is the handler's to report.
  platform::ShellExecuteA(Handle(), nullptr, LabelSite->Caption().c_str(), nullptr, nullptr, platform::SwShowNormal);
}

void TAboutBox::SetLinkColor(toolkit::TColor color) {
  toolkit::TFont font = LabelSite->Font();
  font.Color = color;
  LabelSite->SetFont(font);
}

}  // namespace muralto
