#pragma once
// frmSplash, the program's first window: a picture with a six-second loading display and
// music, closed by a click once loading is done.

#include <windows.h>

#include <functional>

#include "app/sound.h"

namespace bw {

// Opens the splash, unless another copy of the program is running: then returns false at
// once, with nothing shown or heard, and the caller should end. When the splash closes
// (by a click after loading or any other close), or at once when it cannot be shown, the
// music stops, showMainWindow runs (it makes, loads and shows the main window and returns
// it) and that window is put above all others for good. The caller's message loop drives
// the splash.
bool ShowSplash(HINSTANCE instance, SoundPlayer& sounds, std::function<HWND()> showMainWindow);

}  // namespace bw
