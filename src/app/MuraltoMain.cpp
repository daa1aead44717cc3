#include "app/MuraltoMain.h"

#include "app/MainForm.h"
#include "app/ProcessCommandLine.h"
#include "app/ProgramReferences.h"
#include "platform/windowing.h"
#include "toolkit/forms/Application.h"
#include "toolkit/graphics/ScreenDc.h"

namespace muralto {

int MuraltoMain(const std::string& commandLine) {
  try {
    toolkit::TApplication application(nullptr);
    // Our own application window still has its default title here, so the
    // lookup only ever finds another copy. That copy is only brought forward:
    // what it shows then (a copy hidden in the tray or started with "-a"
    // stays hidden) is the system's doing, not ours.
    if (platform::Hwnd running = platform::FindWindowA("TApplication", ApplicationTitle)) {
      platform::SetForegroundWindow(running);
      return 0;
    }
    try {
      SetProcessCommandLine(commandLine);
      application.Initialize();
      // The three windows' labels and spin edits measure their texts, and
      // the picture decoder the screen's depth, in one device context.
      const toolkit::TScreenDcScope measuring;
      application.CreateForm(Form1);
      // The window exists once the set-up is done, also in a hidden start:
      // the tray icon works through it.
      if (Form1) Form1->HandleNeeded();
      application.Run();
    } catch (...) {
      toolkit::HandleCurrentException();
    }
  } catch (...) {
    toolkit::HandleCurrentException();
  }
  return 0;
}

}  // namespace muralto
