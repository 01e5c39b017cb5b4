// Brindlewick.exe: the splash, then the main window, above all other windows, until it is
// closed. This file puts the program together: the windows, the message loop, and the
// loop's second use as the engine's "let pending events run".

#include <windows.h>

#include <climits>

#include "app/main_window_win32.h"
#include "app/sound_win32.h"
#include "app/splash_win32.h"
#include "engine/yield.h"

namespace {

// A tick, the most frequent message by far, is no business of the dialog keys.
void Dispatch(MSG& msg) {
  if (msg.message != WM_TIMER && bw::TranslateMainWindowKeys(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

// The next queued message, leaving keyboard input in the queue when `holdKeys` is set.
bool NextPendingMessage(MSG& msg, bool holdKeys) {
  if (!holdKeys) return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
  return PeekMessageA(&msg, nullptr, 0, WM_KEYFIRST - 1, PM_REMOVE) ||
         PeekMessageA(&msg, nullptr, WM_KEYLAST + 1, UINT_MAX, PM_REMOVE);
}

// The engine's "let pending events run": everything queued, then back to the work. A
// quit request is put back for the main loop, which ends the program.
void PumpPendingMessages() {
  MSG msg;
  const bool holdKeys = bw::MainWindowHoldsKeys();
  while (NextPendingMessage(msg, holdKeys)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

// Returns the exit code once the main window is gone.
int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The splash comes first; closing it (or failing to show it) creates, loads and shows
  // the main window and puts it on top. A second copy of the program ends here, before
  // anything is shown or heard. Start-up lets events run from the first showing on.
  bw::ResourceSounds sounds(instance);
  bw::SetYieldHook(&PumpPendingMessages);
  const bool first = bw::ShowSplash(instance, sounds, [instance] {
    const HWND main = bw::CreateMainWindow(instance);
    if (!main) {
      PostQuitMessage(1);  // without its window the program has nothing to offer
      return main;
    }
    bw::ShowMainWindow(main);
    return main;
  });
  const int exitCode = first ? RunMessageLoop() : 0;
  bw::SetYieldHook(nullptr);
  return exitCode;
}
