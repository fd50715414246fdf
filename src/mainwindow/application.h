#pragma once
// The program's start: its name towards the desktop, set once when the
// program starts, and the main window brought up with the command line's
// request.

namespace torvik {

class TMainForm;
struct TCommandLine;

// Names the application "Torvik". No separate display name is set: the
// desktop would append it to every window title ("Torvik [Untitled] -
// Torvik"), and the titles must read exactly as the window sets them.
void SetUpApplication();

// Shows aForm and opens the design the command line names, if any; a file
// that cannot be read gives the usual error and leaves the design untitled.
void StartMainForm(TMainForm& aForm, const TCommandLine& aCommandLine);

}  // namespace torvik
