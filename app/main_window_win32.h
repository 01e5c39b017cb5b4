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

// The main window's keyboard navigation (Tab, the arrows in the option group): true when
// it took the message, which is then not to be dispatched.
bool TranslateMainWindowKeys(MSG& msg);

// True while the main window starts up: keys typed meanwhile are meant for its text box,
// so they stay queued until it can take them.
bool MainWindowHoldsKeys();

}  // namespace bw
