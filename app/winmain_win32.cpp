// Brindlewick.exe: the splash, then the main window, above all other windows, until it is
// closed.

#include <windows.h>

#include "app/main_window_win32.h"
#include "app/sound_win32.h"
#include "app/splash_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The splash comes first; closing it shows the main window and puts it on top. A second
  // copy of the program ends here, before anything is shown or heard.
  bw::ResourceSounds sounds(instance);
  HWND main = nullptr;
  const bool first = bw::ShowSplash(instance, sounds, [&main] {
    bw::ShowMainWindow(main);
    return main;
  });
  if (!first) return 0;

  main = bw::CreateMainWindow(instance);
  if (!main) return 1;
  return bw::RunMessageLoop();
}
