#pragma once
// The program's name towards the desktop, set once when the program starts.

namespace torvik {

// Names the application "Torvik". No separate display name is set: the
// desktop would append it to every window title ("Torvik [Untitled] -
// Torvik"), and the titles must read exactly as the window sets them.
void SetUpApplication();

}  // namespace torvik
