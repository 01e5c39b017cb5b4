#include "app/preview_win32.h"

#include "win32/font_win32.h"
#include "win32/rich_text_win32.h"
#include "win32/text_win32.h"

namespace bw {

namespace {

constexpr char kPreviewClass[] = "BrindlewickPreview";
// Not in every header set: Windows 2000 and later keep a window with it from activation;
// older Windows ignore the bit, and the window's being disabled does the same there.
constexpr DWORD kNoActivate = 0x08000000L;  // WS_EX_NOACTIVATE
constexpr COLORREF kNoteGrey = RGB(160, 160, 160);

// In layout pixels at 96 dpi: three lines of the chat font, then the note's line.
constexpr PixelRect kText = {0, 0, 0, 52};
constexpr PixelRect kNote = {4, 54, 0, 16};
constexpr int kClientHeight = 72;

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), kNoteGrey);
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

bool PreviewWindow::Available() {
  return LoadRichEdit();
}

bool PreviewWindow::Create(HINSTANCE instance, HWND mainWindow, const ScreenUnits& units) {
  if (!Available()) return false;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = PreviewProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kPreviewClass;
  RegisterClassA(&windowClass);

  owner_ = mainWindow;
  const int client = units.Scale(kClientHeight);
  RECT outer = {0, 0, 100, client};
  constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
  AdjustWindowRectEx(&outer, kStyle, FALSE, WS_EX_TOOLWINDOW);
  height_ = outer.bottom - outer.top;
  // Owned by the main window, which keeps it off the taskbar and above the main window; a
  // tool window, so that no Windows lists it among the programs either.
  window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | kNoActivate, kPreviewClass, "",
                            kStyle, 0, 0, 100, height_, mainWindow, nullptr, instance, nullptr);
  if (!window_) return false;
  EnableWindow(window_, FALSE);  // no click or key reaches it, so it never takes the focus

  textHeight_ = units.Scale(kText).height;
  noteRect_ = units.Scale(kNote);
  text_ = CreateWindowExA(0, kRichEditClassA, "",
                          WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0, 100,
                          textHeight_, window_, nullptr, instance, nullptr);
  note_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                          noteRect_.x, noteRect_.y, 100, noteRect_.height, window_, nullptr,
                          instance, nullptr);
  noteFont_ = MakeFont({.face = "MS Sans Serif",
                        .pixelHeight = units.ScaleFont(11),
                        .fallbackFace = "MS Shell Dlg"});
  SendMessageA(note_, WM_SETFONT, reinterpret_cast<WPARAM>(noteFont_.Get()), FALSE);
  return text_ != nullptr;
}

void PreviewWindow::SetWanted(bool wanted) {
  wanted_ = wanted;
  Dock();
}

void PreviewWindow::Dock() {
  if (!window_) return;
  const bool shown = wanted_ && IsWindowVisible(owner_) && !IsIconic(owner_);
  if (!shown) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  RECT main = {};
  GetWindowRect(owner_, &main);
  const int width = main.right - main.left;
  SetWindowPos(window_, HWND_TOPMOST, main.left, main.bottom, width, height_,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // The children keep their heights and follow the width.
  RECT client = {};
  GetClientRect(window_, &client);
  SetWindowPos(text_, nullptr, 0, 0, client.right, textHeight_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(note_, nullptr, 0, 0, client.right - 2 * noteRect_.x, noteRect_.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PreviewWindow::Fill(const PreviewContent& content) {
  if (!text_) return;
  SetRichText(text_, content.runs);
  SetWindowTextA(note_, AnsiFromText(content.note).c_str());
}

}  // namespace bw
