// gui-demo: shows the main window's layout with the real controls.
#include "DemoForm.h"
#include "shell/LayoutClasses.h"
#include "toolkit/forms/Application.h"

int main() {
  toolkit::TApplication app(nullptr);
  try {
    app.Initialize();
    muralto::RegisterShellLayoutClasses();
    demo::TDemoForm* form = nullptr;
    app.CreateForm(form);
    app.SetTitle(form->Caption());
    app.Run();
  } catch (...) {
    toolkit::HandleCurrentException();
  }
  return 0;
}
