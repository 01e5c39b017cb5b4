// main_probe: reads Brindlewick's main window from outside, for the end-to-end tests.
// A console program; every line it prints ends in "\n" (Wine's console adds "\r").
//
//   main_probe window      OUTER_LEFT OUTER_TOP OUTER_W OUTER_H CLIENT_X CLIENT_Y
//                          CLIENT_W CLIENT_H TOPMOST MINIMIZED VISIBLE (client origin on
//                          the screen; the flags 1 or 0)
//   main_probe controls    one line per child window in z-order (the keyboard order):
//                          ID CLASS LEFT TOP WIDTH HEIGHT TABSTOP CHECKED TEXTHEX
//                          (rectangles relative to the client area; TEXTHEX is the
//                          window text's Windows-1252 bytes, "-" when empty)
//   main_probe text ID     TEXTHEX of one control ("-" when empty)
//   main_probe show ID 0|1 hides or shows one control, so that what lies beneath it (a
//                          label under a swatch) can be seen whole in a screenshot
//   main_probe focus       the ID of the control that takes typed keys: the one with the
//                          keyboard focus while the main window is the foreground window
//                          (0: none, or another window is in the foreground)
//   main_probe foreground  the foreground window's class and caption, or "none"
//   main_probe msgbox MS   waits up to MS milliseconds for the program's message box to
//                          be visible and prints its text (plain), or "none"
//   main_probe press-ok    presses OK in the program's message box
//   main_probe splash      the splash screen's place on the screen, LEFT TOP WIDTH HEIGHT
//                          VISIBLE, or "none"
//   main_probe zorder      the visible top-level windows, topmost first: TOPMOST CAPTION
//   main_probe close       asks the main window to close (WM_CLOSE) and returns at once
//   main_probe preview     the preview window: LEFT TOP WIDTH HEIGHT VISIBLE TOPMOST
//                          ENABLED TEXTHEX NOTEHEX (its rich edit's and its note's text
//                          through WM_GETTEXT), or "none"
//   main_probe move X Y    moves the main window's top-left corner to X Y on the screen
//   main_probe minimize | restore   minimizes the main window, or restores it
// Exit code 2 when the main window is not there (msgbox and press-ok excepted).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hex.h"

namespace {

constexpr char kBoxCaption[] = "Brindlewick for AOL 4.0";

HWND MainWindow() {
  return FindWindowA("frmBrindlewick", nullptr);
}

// WM_GETTEXT across processes: the length the window announces, clamped.
std::string TextOf(HWND window) {
  LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length < 0) length = 0;
  if (length > (1 << 20)) length = 1 << 20;  // a 100,000-character paste fits
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

int PrintWindow(HWND main) {
  RECT outer{};
  RECT client{};
  GetWindowRect(main, &outer);
  GetClientRect(main, &client);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  const LONG exStyle = GetWindowLongA(main, GWL_EXSTYLE);
  std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %d %d %d\n", outer.left, outer.top,
              outer.right - outer.left, outer.bottom - outer.top, origin.x, origin.y, client.right,
              client.bottom, (exStyle & WS_EX_TOPMOST) ? 1 : 0, IsIconic(main) ? 1 : 0,
              IsWindowVisible(main) ? 1 : 0);
  return 0;
}

int PrintControls(HWND main) {
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    const LRESULT checked = SendMessageA(child, BM_GETCHECK, 0, 0);
    std::printf("%d %s %ld %ld %ld %ld %d %d %s\n", GetDlgCtrlID(child), className,
                r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top,
                (style & WS_TABSTOP) ? 1 : 0, checked == BST_CHECKED ? 1 : 0,
                Hex(TextOf(child), "-").c_str());
  }
  return 0;
}

HWND VisibleMessageBox(DWORD waitMs) {
  for (DWORD waited = 0;; waited += 20) {
    const HWND box = FindWindowA("#32770", kBoxCaption);
    if (box && IsWindowVisible(box)) return box;
    if (waited >= waitMs) return nullptr;
    Sleep(20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "msgbox") {
    const HWND box = VisibleMessageBox(argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 0);
    std::printf("%s\n", box ? TextOf(GetDlgItem(box, 0xFFFF)).c_str() : "none");
    return 0;
  }
  if (command == "press-ok") {
    const HWND box = VisibleMessageBox(2000);
    if (!box) return 1;
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    return 0;
  }
  if (command == "splash") {
    const HWND splash = FindWindowA("BrindlewickSplash", nullptr);
    RECT r{};
    if (!splash || !GetWindowRect(splash, &r)) {
      std::printf("none\n");
      return 0;
    }
    std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
                IsWindowVisible(splash) ? 1 : 0);
    return 0;
  }
  if (command == "foreground") {
    const HWND window = GetForegroundWindow();
    char className[64] = "";
    char caption[128] = "";
    if (window) {
      GetClassNameA(window, className, sizeof className);
      GetWindowTextA(window, caption, sizeof caption);
    }
    std::printf("%s\n",
                window ? (std::string(className) + " \"" + caption + "\"").c_str() : "none");
    return 0;
  }
  if (command == "zorder") {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
      if (!IsWindowVisible(w)) continue;
      char caption[128] = "";
      GetWindowTextA(w, caption, sizeof caption);
      std::printf("%d %s\n", (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0, caption);
    }
    return 0;
  }
  const HWND main = MainWindow();
  if (!main) {
    std::printf("no main window\n");
    return 2;
  }
  if (command == "window") return PrintWindow(main);
  if (command == "controls") return PrintControls(main);
  if (command == "show" && argc > 3) {
    ShowWindow(GetDlgItem(main, std::atoi(argv[2])), std::atoi(argv[3]) ? SW_SHOWNA : SW_HIDE);
    return 0;
  }
  if (command == "text" && argc > 2) {
    std::printf("%s\n", Hex(TextOf(GetDlgItem(main, std::atoi(argv[2]))), "-").c_str());
    return 0;
  }
  if (command == "focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    const bool typedHere = GetForegroundWindow() == main && info.hwndFocus;
    std::printf("%d\n", typedHere ? GetDlgCtrlID(info.hwndFocus) : 0);
    return 0;
  }
  if (command == "close") {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == "preview") {
    const HWND preview = FindWindowA("BrindlewickPreview", nullptr);
    RECT r{};
    if (!preview || !GetWindowRect(preview, &r)) {
      std::printf("none\n");
      return 0;
    }
    const HWND text = GetWindow(preview, GW_CHILD);
    const HWND note = text ? GetWindow(text, GW_HWNDNEXT) : nullptr;
    std::printf("%ld %ld %ld %ld %d %d %d %s %s\n", r.left, r.top, r.right - r.left,
                r.bottom - r.top, IsWindowVisible(preview) ? 1 : 0,
                (GetWindowLongA(preview, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0,
                IsWindowEnabled(preview) ? 1 : 0, Hex(text ? TextOf(text) : "", "-").c_str(),
                Hex(note ? TextOf(note) : "", "-").c_str());
    return 0;
  }
  if (command == "minimize" || command == "restore") {
    ShowWindow(main, command == "minimize" ? SW_MINIMIZE : SW_RESTORE);
    return 0;
  }
  if (command == "move" && argc > 3) {
    SetWindowPos(main, nullptr, std::atoi(argv[2]), std::atoi(argv[3]), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  std::fprintf(
      stderr,
      "usage: main_probe window|controls|text ID|show ID 0|1|focus|foreground|splash|zorder|"
      "msgbox MS|press-ok|close|preview|move X Y|minimize|restore\n");
  return 1;
}
