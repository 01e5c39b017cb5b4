// The least a Windows program with a window does: one class, one window shown at once,
// one message loop. Built twice: as it is (bench_window.exe), the yardstick for the time
// to a first window, and with a 1 ms timer whose ticks do nothing (bench_timer.exe), the
// yardstick for what a ticking program costs at rest. Its class is "BenchWindow".

#include <windows.h>

namespace {

enum : UINT_PTR { kTick = 1 };

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = "BenchWindow";
  if (!RegisterClassA(&windowClass)) return 1;
  const HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Bench", WS_POPUP | WS_BORDER,
                                      100, 100, 402, 202, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
#ifdef BENCH_TIMER
  SetTimer(window, kTick, 1, nullptr);
#endif
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return static_cast<int>(msg.wParam);
}
