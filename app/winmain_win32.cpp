// Brindlewick.exe: the main window, above all other windows, until it is closed.

#include <windows.h>

#include <cstdint>

#include "aol/toolkit.h"
#include "aol/window_api_win32.h"
#include "app/main_window_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const HWND main = bw::CreateMainWindow(instance);
  if (!main) return 1;

  // Showing the main window: the splash screen takes this over.
  bw::ShowMainWindow(main);
  bw::WindowApiWin32 api;
  bw::StayOnTop(api, static_cast<bw::WindowHandle>(reinterpret_cast<std::uintptr_t>(main)), -1);

  return bw::RunMessageLoop();
}
