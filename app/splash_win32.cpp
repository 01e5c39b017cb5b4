#include "app/splash_win32.h"

#include <olectl.h>

#include <cstring>
#include <utility>

#include "app/gradient_win32.h"
#include "app/screen_units.h"
#include "app/splash.h"
#include "resource.h"
#include "win32/font_win32.h"
#include "win32/handle_win32.h"
#include "win32/late_bound_win32.h"
#include "win32/screen_win32.h"
#include "win32/text_win32.h"
#include "win32/window_win32.h"

namespace bw {

namespace {

enum : UINT_PTR { kLoadTimer = 1 };  // tmrUnload
enum : int { kStatusBoxId = 100 };   // picStatus

constexpr char kSplashClass[] = "BrindlewickSplash";
constexpr char kStatusClass[] = "BrindlewickStatus";
// Names the running copy; a second copy finds it taken and ends.
constexpr char kInstanceMutex[] = "ZornaVelde.Brindlewick.Running";
// In layout pixels, which ScreenUnits scales to the screen's.
constexpr PixelRect kClientArea = {0, 0, 400, 200};
constexpr PixelRect kStatusBox = {200, 152, 177, 25};  // with its one-pixel border
constexpr double kStatusUnitsWide = 26.25;
constexpr double kStatusUnitsHigh = 3.45;
constexpr UINT kLoadInterval = 1000;

class SplashWindow final : public SplashShell {
 public:
  bool AnotherCopyRunning() override;
  bool ShowSplashNow() override;
  void PutSplashOnTop() override { SetTopmost(window, true); }
  void PlayWave(const char* name, WaveMode mode) override { sounds->PlayWave(name, mode); }
  void ShowMainWindowNow() override { mainWindow = showMainWindow(); }
  void PutMainWindowOnTop() override { SetTopmost(mainWindow, true); }
  void DestroySplashNow() override {
    if (window) DestroyWindow(window);
  }

  HINSTANCE instance = nullptr;
  ScreenUnits units;
  SoundPlayer* sounds = nullptr;
  std::function<HWND()> showMainWindow;
  KernelHandle running;  // the mutex, held until the process ends
  FontHandle font;
  HWND window = nullptr;
  HWND status = nullptr;
  HWND mainWindow = nullptr;
  ComPtr<IPicture> picture;
  int loadTicks = 0;
  bool closed = false;
};
SplashWindow g_splash;

bool SplashWindow::AnotherCopyRunning() {
  running.Reset(CreateMutexA(nullptr, FALSE, kInstanceMutex));
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

// The GIF resource decoded by the platform into `picture`, which stays empty when that
// fails (the window then stays black).
void LoadSplashPicture(HINSTANCE instance, ComPtr<IPicture>& picture) {
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_SPLASH), RT_SPLASH_GIF);
  const DWORD size = found ? SizeofResource(instance, found) : 0;
  const void* bytes = size ? LockResource(LoadResource(instance, found)) : nullptr;
  if (!bytes) return;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  // ole32 and oleaut32 load here, once the splash shows: nothing before needs them.
  static const auto createStream =
      LateBound<decltype(CreateStreamOnHGlobal)>("ole32.dll", "CreateStreamOnHGlobal");
  static const auto loadPicture =
      LateBound<decltype(OleLoadPicture)>("oleaut32.dll", "OleLoadPicture");
  ComPtr<IStream> stream;
  if (!createStream || !loadPicture || FAILED(createStream(copy, TRUE, stream.Put()))) {
    GlobalFree(copy);
    return;
  }
  if (FAILED(loadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                         reinterpret_cast<void**>(picture.Put())))) {
    picture.Reset();
  }
}

// Arial 9 point bold: 12 pixels at 96 dots per inch.
FontHandle CreateStatusFont(const ScreenUnits& units) {
  return MakeFont(
      {.face = "Arial", .pixelHeight = units.ScaleFont(12), .bold = true, .charset = ANSI_CHARSET});
}

void PaintStatus(HWND status, HDC dc) {
  const SIZE interior = InteriorSize(status);
  if (g_splash.loadTicks == 0) {
    PatBlt(dc, 0, 0, interior.cx, interior.cy, BLACKNESS);
    return;
  }
  const LoadingFrame frame = LoadingStep(g_splash.loadTicks);
  GdiBoxTarget target(dc, kStatusUnitsWide, kStatusUnitsHigh, interior);
  PaintGradient(target, frame.start, frame.end, 1);

  // Centered in the box: half the box less half the text, across and down.
  const std::string text = AnsiCharsetBytes(frame.text);
  RECT box = {0, 0, interior.cx, interior.cy};
  const SelectedObject font(dc, g_splash.font.Get());
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void tmrUnload_Timer() {
  if (SplashClickCloses(g_splash.loadTicks)) return;
  ++g_splash.loadTicks;
  if (LoadingStep(g_splash.loadTicks).stopTimer) KillTimer(g_splash.window, kLoadTimer);
  InvalidateRect(g_splash.status, nullptr, FALSE);
  UpdateWindow(g_splash.status);
}

void Splash_Click() {
  if (SplashClickCloses(g_splash.loadTicks)) PostMessageA(g_splash.window, WM_CLOSE, 0, 0);
}

void Splash_Unload() {
  if (g_splash.closed) return;
  g_splash.closed = true;
  KillTimer(g_splash.window, kLoadTimer);
  CloseSplash(g_splash);
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
    case WM_CREATE: {
      g_splash.window = window;
      const PixelRect box = g_splash.units.Scale(kStatusBox);
      g_splash.status = CreateWindowExA(
          0, kStatusClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, box.x, box.y, box.width,
          box.height, window, reinterpret_cast<HMENU>(kStatusBoxId), g_splash.instance, nullptr);
      // Without its status box or its timer the splash could never be clicked away.
      if (!g_splash.status || !SetTimer(window, kLoadTimer, kLoadInterval, nullptr)) return -1;
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      OLE_XSIZE_HIMETRIC width = 0;
      OLE_YSIZE_HIMETRIC height = 0;
      if (g_splash.picture && SUCCEEDED(g_splash.picture->get_Width(&width)) &&
          SUCCEEDED(g_splash.picture->get_Height(&height))) {
        // Picture units run upwards: start at the bottom edge with a negative height.
        const PixelRect client = g_splash.units.Scale(kClientArea);
        g_splash.picture->Render(dc, 0, 0, client.width, client.height, 0, height, width, -height,
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
      g_splash.picture.Reset();
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool SplashWindow::ShowSplashNow() {
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
  units = ScreenUnits(ScreenDotsPerInch());
  const PixelRect client = units.Scale(kClientArea);
  RECT outer = {0, 0, client.width, client.height};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (!CreateWindowExA(0, kSplashClass, "Brindlewick for AOL 4.0", kStyle,
                       (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                       (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                       nullptr, instance, nullptr)) {
    window = nullptr;  // WM_CREATE may have named it before it failed
    return false;
  }
  ShowWindow(window, SW_SHOW);
  // Made while the window shows black, before its first paint, which draws the picture:
  // decoding the picture loads the COM libraries, the slowest step of the start.
  font = CreateStatusFont(units);
  LoadSplashPicture(instance, picture);
  UpdateWindow(window);
  return true;
}

}  // namespace

bool ShowSplash(HINSTANCE instance, SoundPlayer& sounds, std::function<HWND()> showMainWindow) {
  g_splash.instance = instance;
  g_splash.sounds = &sounds;
  g_splash.showMainWindow = std::move(showMainWindow);
  return StartSplash(g_splash);
}

}  // namespace bw
