#pragma once
// frmBrindlewick, the program's one working window.

#include <windows.h>

namespace bw {

// Creates the main window and all its controls, hidden and not yet loaded. Returns
// nullptr when the window system refuses. One main window per process.
HWND CreateMainWindow(HINSTANCE instance);

// Loads the window on its first showing (start sound, settings, placement, ticker,
// announcements), then shows and paints it. Later calls only show it.
void ShowMainWindow(HWND window);

// The program's message loop, with the main window's keyboard navigation. Returns the
// exit code once the main window is gone.
int RunMessageLoop();

}  // namespace bw
