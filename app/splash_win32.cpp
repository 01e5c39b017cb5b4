#include "app/splash_win32.h"

#include <olectl.h>

#include <cstring>
#include <utility>

#include "aol/toolkit.h"
#include "aol/window_api_win32.h"
#include "app/gradient_win32.h"
#include "app/splash.h"
#include "app/win32_handle.h"
#include "engine/codepage1252.h"
#include "resource.h"

namespace bw {

namespace {

enum : UINT_PTR { kLoadTimer = 1 };  // tmrUnload
enum : int { kStatusBoxId = 100 };   // picStatus

constexpr char kSplashClass[] = "BrindlewickSplash";
constexpr char kStatusClass[] = "BrindlewickStatus";
// Names the running copy; a second copy finds it taken and ends.
constexpr char kInstanceMutex[] = "ZornaVelde.Brindlewick.Running";
constexpr SIZE kClientSize = {400, 200};
constexpr RECT kStatusBox = {200, 152, 200 + 177, 152 + 25};  // with its one-pixel border
constexpr double kStatusUnitsWide = 26.25;
constexpr double kStatusUnitsHigh = 3.45;
constexpr UINT kLoadInterval = 1000;

inline void CloseKernelHandle(HANDLE handle) {
  CloseHandle(handle);
}
using MutexHandle = UniqueHandle<HANDLE, CloseKernelHandle>;

WindowHandle ToWindowHandle(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window));
}

class SplashWindow final : public SplashShell {
 public:
  bool AnotherCopyRunning() override;
  void ShowSplashNow() override;
  void PutSplashOnTop() override { StayOnTop(api, ToWindowHandle(window), -1); }
  void PlayWave(const char* name, WaveFlags flags) override { sounds->PlayWave(name, flags); }
  void ShowMainWindowNow() override { mainWindow = showMainWindow(); }
  void PutMainWindowOnTop() override { StayOnTop(api, ToWindowHandle(mainWindow), -1); }
  void DestroySplashNow() override { DestroyWindow(window); }

  HINSTANCE instance = nullptr;
  SoundPlayer* sounds = nullptr;
  std::function<HWND()> showMainWindow;
  WindowApiWin32 api;
  MutexHandle running;  // held until the process ends
  FontHandle font;
  HWND window = nullptr;
  HWND status = nullptr;
  HWND mainWindow = nullptr;
  IPicture* picture = nullptr;
  int loadTicks = 0;
  bool closed = false;
};
SplashWindow splash;

bool SplashWindow::AnotherCopyRunning() {
  running.Reset(CreateMutexA(nullptr, FALSE, kInstanceMutex));
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

// The GIF resource decoded by the platform, or nullptr (the window then stays black).
IPicture* LoadSplashPicture(HINSTANCE instance) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_SPLASH), RT_SPLASH_GIF);
  const DWORD size = found ? SizeofResource(instance, found) : 0;
  const void* bytes = size ? LockResource(LoadResource(instance, found)) : nullptr;
  if (!bytes) return nullptr;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture)))) {
    picture = nullptr;
  }
  stream->Release();
  return picture;
}

HFONT CreateStatusFont(HWND window) {
  HDC dc = GetDC(window);
  const int height = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);  // 9 point
  ReleaseDC(window, dc);
  return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "Arial");
}

void PaintStatus(HWND status, HDC dc) {
  const SIZE interior = InteriorSize(status);
  if (splash.loadTicks == 0) {
    PatBlt(dc, 0, 0, interior.cx, interior.cy, BLACKNESS);
    return;
  }
  const LoadingFrame frame = LoadingStep(splash.loadTicks);
  GdiBoxTarget target(dc, kStatusUnitsWide, kStatusUnitsHigh, interior);
  PaintGradient(target, frame.start, frame.end, 1);

  // Centered in the box: half the box less half the text, across and down.
  const std::string text = EncodeWindows1252Lossy(frame.text);
  RECT box = {0, 0, interior.cx, interior.cy};
  HGDIOBJ before = SelectObject(dc, splash.font.Get());
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, before);
}

void tmrUnload_Timer() {
  if (SplashClickCloses(splash.loadTicks)) return;
  ++splash.loadTicks;
  if (LoadingStep(splash.loadTicks).stopTimer) KillTimer(splash.window, kLoadTimer);
  InvalidateRect(splash.status, nullptr, FALSE);
  UpdateWindow(splash.status);
}

void Splash_Click() {
  if (SplashClickCloses(splash.loadTicks)) PostMessageA(splash.window, WM_CLOSE, 0, 0);
}

void Splash_Unload() {
  if (splash.closed) return;
  splash.closed = true;
  KillTimer(splash.window, kLoadTimer);
  CloseSplash(splash);
}

LRESULT CALLBACK StatusProc(HWND status, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // PaintStatus covers the whole interior
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(status, &paint);
      PaintStatus(status, dc);
      EndPaint(status, &paint);
      return 0;
    }
    case WM_LBUTTONUP:
      Splash_Click();
      return 0;
  }
  return DefWindowProcA(status, message, wParam, lParam);
}

LRESULT CALLBACK SplashProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      splash.window = window;
      splash.status = CreateWindowExA(
          0, kStatusClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, kStatusBox.left, kStatusBox.top,
          kStatusBox.right - kStatusBox.left, kStatusBox.bottom - kStatusBox.top, window,
          reinterpret_cast<HMENU>(kStatusBoxId), splash.instance, nullptr);
      splash.font.Reset(CreateStatusFont(window));
      splash.picture = LoadSplashPicture(splash.instance);
      SetTimer(window, kLoadTimer, kLoadInterval, nullptr);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      OLE_XSIZE_HIMETRIC width = 0;
      OLE_YSIZE_HIMETRIC height = 0;
      if (splash.picture && SUCCEEDED(splash.picture->get_Width(&width)) &&
          SUCCEEDED(splash.picture->get_Height(&height))) {
        // Picture units run upwards: start at the bottom edge with a negative height.
        splash.picture->Render(dc, 0, 0, kClientSize.cx, kClientSize.cy, 0, height, width, -height,
                               nullptr);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kLoadTimer) tmrUnload_Timer();
      return 0;
    case WM_LBUTTONUP:
      Splash_Click();
      return 0;
    case WM_CLOSE:
      Splash_Unload();
      return 0;
    case WM_DESTROY:
      if (splash.picture) splash.picture->Release();
      splash.picture = nullptr;
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void SplashWindow::ShowSplashNow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = SplashProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kSplashClass;
  RegisterClassA(&windowClass);
  windowClass.lpfnWndProc = StatusProc;
  windowClass.lpszClassName = kStatusClass;
  RegisterClassA(&windowClass);

  constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
  RECT outer = {0, 0, kClientSize.cx, kClientSize.cy};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  CreateWindowExA(0, kSplashClass, "Brindlewick for AOL 4.0", kStyle,
                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                  instance, nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
}

}  // namespace

bool ShowSplash(HINSTANCE instance, SoundPlayer& sounds, std::function<HWND()> showMainWindow) {
  splash.instance = instance;
  splash.sounds = &sounds;
  splash.showMainWindow = std::move(showMainWindow);
  return StartSplash(splash);
}

}  // namespace bw
