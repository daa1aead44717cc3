// The auto-start value under the current user's Run key follows autoStart
// and the executable's current place.
#include <string>

#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "app/Settings.h"
#include "platform/registry.h"
#include "toolkit/core/PathNames.h"
#include "toolkit/forms/Application.h"

namespace muralto {

namespace {

// The logon start splits an unquoted command line at its blanks: "-a" would
// never be seen, and the system would try C:\Program.exe and the like for
// "C:\Program Files\...". A path with a blank is therefore quoted; any other
// stays as it always was written.
std::string RunCommandLine(const std::string& exe) {
  const std::string program = exe.find(' ') == std::string::npos ? exe : "\"" + exe + "\"";
  return program + " -a";
}

}  // namespace

void TForm1::UpdateAutoStart() {
  runRegistry->SetRootKey(platform::HkeyCurrentUser);
  // A key that cannot be opened shows up as the write's failure below.
  runRegistry->OpenKey(runKeyPath, true);
  if (autoStart) {
    toolkit::TApplication* app = toolkit::Application();
    runRegistry->WriteString(Caption(), RunCommandLine(app ? app->ExeName() : toolkit::ModuleFileName()));
  } else {
    // A value that is not there is what was asked for.
    runRegistry->DeleteValue(Caption());
  }
}

void TForm1::SaveMainSettings() { SaveSettings(*this); }

}  // namespace muralto
