#include "ui/AboutBox.h"

#include <string>

#include "platform/shell.h"
#include "resources/layouts/Layouts.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

namespace {

constexpr vcl::TColor kLinkColor = 0xFF0000;   // blue (0, 0, 255)
constexpr vcl::TColor kHoverColor = 0x0000FF;  // red (255, 0, 0)

vcl::TLayoutHandlers AboutHandlers(TAboutBox* box) {
  using vcl::LayoutMethod;
  return {
      {"Panel1MouseMove", LayoutMethod(box, &TAboutBox::Panel1MouseMove)},
      {"LabelSiteMouseMove", LayoutMethod(box, &TAboutBox::LabelSiteMouseMove)},
      {"LabelSiteMouseDown", LayoutMethod(box, &TAboutBox::LabelSiteMouseDown)},
  };
}

}  // namespace

TAboutBox::TAboutBox(vcl::TComponent* owner) : vcl::TForm(owner) {
  vcl::LoadLayout(this, LayoutText("about"), AboutHandlers(this));
  Panel1 = vcl::LayoutComponent<vcl::TPanel>(this, "Panel1");
  ProgramIcon = vcl::LayoutComponent<vcl::TImage>(this, "ProgramIcon");
  LabelTitle = vcl::LayoutComponent<vcl::TLabel>(this, "LabelTitle");
  LabelAbout = vcl::LayoutComponent<vcl::TLabel>(this, "LabelAbout");
  LabelAuthor = vcl::LayoutComponent<vcl::TLabel>(this, "LabelAuthor");
  LabelEmail = vcl::LayoutComponent<vcl::TLabel>(this, "LabelEmail");
  LabelSite = vcl::LayoutComponent<vcl::TLabel>(this, "LabelSite");
  OKButton = vcl::LayoutComponent<vcl::TButton>(this, "OKButton");
}

void TAboutBox::Panel1MouseMove(vcl::TObject*, vcl::TShiftState, int, int) { SetLinkColor(kLinkColor); }

void TAboutBox::LabelSiteMouseMove(vcl::TObject*, vcl::TShiftState, int, int) {
  // The cursor belongs to the label: it shows only while the pointer is
  // over it, so nothing has to set it back.
  LabelSite->SetCursor(vcl::TCursor::crHandPoint);
  SetLinkColor(kHoverColor);
}

void TAboutBox::LabelSiteMouseDown(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
  // A failure to open the address is the handler's to report.
  platform::ShellExecuteA(Handle(), nullptr, LabelSite->Caption().c_str(), nullptr, nullptr, platform::SwShowNormal);
}

void TAboutBox::SetLinkColor(vcl::TColor color) {
  vcl::TFont font = LabelSite->Font();
  font.Color = color;
  LabelSite->SetFont(font);
}

}  // namespace muralto
