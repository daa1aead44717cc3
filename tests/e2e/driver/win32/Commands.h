#pragma once
// The driver's commands. Each takes the arguments after its name, prints its
// findings on standard output and returns the exit status (0 when the check
// held); a failed check may also throw CheckFailed.

#include "Arguments.h"

namespace e2e {

// Windows.
int FindCommand(const Args& args);           // CLASS TITLE
int WaitWindowCommand(const Args& args);     // CLASS TITLE SECONDS
int WaitGoneCommand(const Args& args);       // WINDOW SECONDS
int TextsCommand(const Args& args);          // WINDOW
int VisibleCommand(const Args& args);        // WINDOW
int RectCommand(const Args& args);           // WINDOW
int ListCommand(const Args& args);           // (none)
int ForegroundCommand(const Args& args);     // (none)
int WindowProcessCommand(const Args& args);  // WINDOW
int WaitTextCommand(const Args& args);       // WINDOW TEXT SECONDS
int FocusCommand(const Args& args);          // WINDOW
int WaitFocusCommand(const Args& args);      // WINDOW TEXT SECONDS

// Messages.
int ClickCommand(const Args& args);      // WINDOW TEXT
int MenuCommand(const Args& args);       // WINDOW ID
int PostCommand(const Args& args);       // WINDOW MESSAGE WPARAM LPARAM
int SendCommand(const Args& args);       // WINDOW MESSAGE WPARAM LPARAM
int BroadcastCommand(const Args& args);  // NAME
int SetTextCommand(const Args& args);    // WINDOW TEXT
int CloseCommand(const Args& args);      // WINDOW
int SysCloseCommand(const Args& args);   // WINDOW

// The notification area.
int TrayDeleteCommand(const Args& args);  // WINDOW ID

// List views (read across processes through the target's memory).
int ListItemsCommand(const Args& args);  // WINDOW
int ItemRectCommand(const Args& args);   // WINDOW INDEX

// Fonts.
int FontCommand(const Args& args);  // FACE HEIGHT

// Registry.
int RegGetCommand(const Args& args);  // KEY VALUE

// Processes.
int RunCommand(const Args& args);          // SECONDS PROGRAM [ARG...]
int WaitProcessCommand(const Args& args);  // PID SECONDS

}  // namespace e2e
