// The end-to-end driver: one command per run, against the windows, registry
// and processes of the Wine desktop it runs on.
//
//   e2e-driver COMMAND ARG...
//
// Exit status: 0 the command did what it says, 1 a check failed (a window
// never appeared, a value is missing, a process did not end), 2 a usage fault.

#include "Commands.h"

#include <iostream>

namespace {

struct Command {
  const char* name;
  std::size_t arguments;  // exact count; variadic commands give the minimum
  bool variadic;
  const char* usage;
  int (*run)(const e2e::Args&);
};

const Command commands[] = {
    {"find", 2, false, "CLASS TITLE          print the top-level or message-only window (- for any)", e2e::FindCommand},
    {"wait-window", 3, false, "CLASS TITLE SECONDS  wait for a top-level or message-only window, print it",
     e2e::WaitWindowCommand},
    {"wait-gone", 2, false, "WINDOW SECONDS       wait until the window is destroyed", e2e::WaitGoneCommand},
    {"texts", 1, false, "WINDOW               the window's text, then handle, class, id, text of each child",
     e2e::TextsCommand},
    {"wait-text", 3, false, "WINDOW TEXT SECONDS  wait until the window or a child shows TEXT", e2e::WaitTextCommand},
    {"visible", 1, false, "WINDOW               print 1 when visible, else 0", e2e::VisibleCommand},
    {"rect", 1, false, "WINDOW               print left top width height, then the client size", e2e::RectCommand},
    {"list", 0, false, "                     every top-level window: handle, pid, visible, class, title",
     e2e::ListCommand},
    {"foreground", 0, false, "                     the foreground window: handle, class, title",
     e2e::ForegroundCommand},
    {"focus", 1, false, "WINDOW               the control with the keyboard focus: handle, class, text",
     e2e::FocusCommand},
    {"wait-focus", 3, false, "WINDOW TEXT SECONDS  wait until the control with the focus shows TEXT",
     e2e::WaitFocusCommand},
    {"window-pid", 1, false, "WINDOW               print the process id of the window", e2e::WindowProcessCommand},
    {"click", 2, false, "WINDOW TEXT          BM_CLICK the child showing TEXT", e2e::ClickCommand},
    {"command", 2, false, "WINDOW ID            post WM_COMMAND with a menu id", e2e::MenuCommand},
    {"post", 4, false, "WINDOW MSG WP LP     post a message", e2e::PostCommand},
    {"send", 4, false, "WINDOW MSG WP LP     send a message, print the result", e2e::SendCommand},
    {"broadcast", 1, false, "NAME                 post the registered message NAME to every top-level window",
     e2e::BroadcastCommand},
    {"set-text", 2, false, "WINDOW TEXT          WM_SETTEXT", e2e::SetTextCommand},
    {"close", 1, false, "WINDOW               post WM_CLOSE", e2e::CloseCommand},
    {"sysclose", 1, false, "WINDOW               post WM_SYSCOMMAND SC_CLOSE (the close box)", e2e::SysCloseCommand},
    {"tray-delete", 2, false, "WINDOW ID            take the icon WINDOW, ID out of the notification area",
     e2e::TrayDeleteCommand},
    {"list-items", 1, false, "WINDOW               items of a list view: checked flag, tab, text",
     e2e::ListItemsCommand},
    {"item-rect", 2, false,
     "WINDOW INDEX         a list view item's row, then its label: left top width height\n"
     "                                      on the screen",
     e2e::ItemRectCommand},
    {"font", 2, false, "FACE HEIGHT          the face, cell height, average width and charset the mapper gives",
     e2e::FontCommand},
    {"reg-get", 2, false, "KEY VALUE            print a registry value (HKCU\\... or HKLM\\...)", e2e::RegGetCommand},
    {"run", 2, true, "SECONDS PROGRAM ARG... start, wait, print \"exit N\"", e2e::RunCommand},
    {"wait-process", 2, false,
     "PID SECONDS          wait for a process to end, print \"exit N\"\n"
     "                                      (\"waiting for process PID\" on stderr once it is held)",
     e2e::WaitProcessCommand},
};

int Usage() {
  std::cerr << "usage: e2e-driver COMMAND ARG...\n";
  for (const Command& c : commands) std::cerr << "  " << c.name << " " << c.usage << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  const e2e::Args args(argv + 2, argv + argc);
  for (const Command& c : commands) {
    if (name != c.name) continue;
    if (c.variadic ? args.size() < c.arguments : args.size() != c.arguments) {
      std::cerr << "usage: e2e-driver " << c.name << " " << c.usage << "\n";
      return 2;
    }
    try {
      const int status = c.run(args);
      std::cout.flush();
      return status;
    } catch (const e2e::UsageError& e) {
      std::cerr << "e2e-driver " << c.name << ": " << e.what() << "\n";
      return 2;
    } catch (const std::exception& e) {
      std::cout.flush();
      std::cerr << "e2e-driver " << c.name << ": " << e.what() << "\n";
      return 1;
    }
  }
  std::cerr << "e2e-driver: unknown command \"" << name << "\"\n";
  return Usage();
}
