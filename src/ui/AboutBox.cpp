#include "ui/AboutBox.h"

#include <string>

#include "platform/shell.h"
#include "resources/layouts/Layouts.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

namespace {

constexpr vcl::TColor kLinkColor = 0xFF0000;   // blue (0, 0, 255)
constexpr vcl::TColor kHoverColor = 0x0000FF;  // red (255, 0, 0)

template <class T>
T* Find(TAboutBox* box, const char* name) {
  auto* component = dynamic_cast<T*>(box->FindComponent(name));
  if (!component) throw vcl::EComponentError(std::string("The About box's layout has no ") + name);
  return component;
}

vcl::TLayoutHandlers AboutHandlers(TAboutBox* box) {
  vcl::TLayoutHandlers handlers;
  handlers.mouseMove["Panel1MouseMove"] = [box](vcl::TObject* sender, vcl::TShiftState shift, int x, int y) {
    box->Panel1MouseMove(sender, shift, x, y);
  };
  handlers.mouseMove["LabelSiteMouseMove"] = [box](vcl::TObject* sender, vcl::TShiftState shift, int x, int y) {
    box->LabelSiteMouseMove(sender, shift, x, y);
  };
  handlers.mouse["LabelSiteMouseDown"] = [box](vcl::TObject* sender, vcl::TMouseButton button,
                                               vcl::TShiftState shift, int x, int y) {
    box->LabelSiteMouseDown(sender, button, shift, x, y);
  };
  return handlers;
}

}  // namespace

TAboutBox::TAboutBox(vcl::TComponent* owner) : vcl::TForm(owner) {
  vcl::LoadLayout(this, LayoutText("about"), AboutHandlers(this));
  Panel1 = Find<vcl::TPanel>(this, "Panel1");
  ProgramIcon = Find<vcl::TImage>(this, "ProgramIcon");
  LabelTitle = Find<vcl::TLabel>(this, "LabelTitle");
  LabelAbout = Find<vcl::TLabel>(this, "LabelAbout");
  LabelAuthor = Find<vcl::TLabel>(this, "LabelAuthor");
  LabelEmail = Find<vcl::TLabel>(this, "LabelEmail");
  LabelSite = Find<vcl::TLabel>(this, "LabelSite");
  OKButton = Find<vcl::TButton>(this, "OKButton");
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
