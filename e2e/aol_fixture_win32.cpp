// aol_fixture.exe: a second process that opens the AOL 4.0 client's window tree, with
// decoys, and writes down every message that arrives, so end-to-end tests can drive it
// across a real process boundary and check what landed where.
//
// Usage: aol_fixture.exe LOGFILE
//
// Log (appended, one line per event, written through at once; HEX is the upper-case
// hex of exact bytes, empty for ""):
//   LABEL hwnd N            at start, the decimal handle of each window below
//   ready                   every window exists and is watched
//   LABEL settext HEX       WM_SETTEXT arrived with these bytes
//   LABEL down W L          WM_LBUTTONDOWN with decimal wParam and lParam
//   LABEL up W L            WM_LBUTTONUP
//   LABEL pressed HEX       a send control saw a down and then an up; HEX is the text of
//                           the window just before it at that moment (what the client
//                           would send)
//   frame topmost 0|1       the frame entered or left the always-on-top band
//   frame gettext           the frame was asked for its text, which no finder reads: a
//                           message broadcast to every top-level window would ask it
//
// The tree (document windows under an MDI client come top of the z-order first, and the
// last one created is the top, so they are created bottom first):
//   frame "AOL Frame25" > mdi "MDIClient" >
//     welcomeback  AOL Child "Welcome back, Nobody!"         (not a Welcome window)
//     imfrom       AOL Child "Instant Message From: Decoy Pal" (EDIT, "Send")
//     lookalike    AOL Children, all four inner classes       (not a chat room)
//     partial      AOL Child lacking "_AOL_Combobox"          (not a chat room)
//     im           AOL Child "Instant Message To: Mo SsWhIrLz"
//                    transcript, before (EDIT), sendnow ("Send Now"), input (EDIT), send ("Send")
//     room         AOL Child "Café ¼ Lounge"
//                    transcript, before, input (EDIT), send, image, people, input2 (EDIT),
//                    send2, image2, combo
//     welcome      AOL Child "Welcome, Zoë Velde!"
// The fixture never changes its own windows' text: what a test reads back is what the
// automation left there.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hex.h"

namespace {

HANDLE g_log = INVALID_HANDLE_VALUE;
HINSTANCE g_instance = nullptr;
HWND g_mdi = nullptr;
bool g_topmost = false;

void LogLine(const std::string& line) {
  const std::string out = line + "\n";
  DWORD written = 0;
  WriteFile(g_log, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
}

// Every window of the tree is subclassed by Watch; its entry keeps the original window
// procedure and whether a press counts as "send".
struct Watched {
  HWND hwnd;
  WNDPROC original;
  char label[32];
  bool sendControl;
  bool armed;
};
Watched g_watched[64];
int g_watchedCount = 0;

Watched* Lookup(HWND hwnd) {
  for (int i = 0; i < g_watchedCount; ++i) {
    if (g_watched[i].hwnd == hwnd) return &g_watched[i];
  }
  return nullptr;
}

LRESULT CALLBACK WatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Watched* w = Lookup(hwnd);
  if (!w) return DefWindowProcA(hwnd, message, wParam, lParam);
  const std::string label = w->label;
  char params[48];
  std::snprintf(params, sizeof params, " %lu %ld", static_cast<unsigned long>(wParam),
                static_cast<long>(lParam));
  switch (message) {
    case WM_SETTEXT:
      LogLine(label + " settext " + Hex(lParam ? reinterpret_cast<const char*>(lParam) : ""));
      break;
    case WM_GETTEXT:
      if (label == "frame") LogLine("frame gettext");
      break;
    case WM_LBUTTONDOWN:
      LogLine(label + " down" + params);
      w->armed = true;
      break;
    case WM_LBUTTONUP:
      LogLine(label + " up" + params);
      if (w->sendControl && w->armed) {
        char text[4096] = "";
        GetWindowTextA(GetWindow(hwnd, GW_HWNDPREV), text, sizeof text);
        LogLine(label + " pressed " + Hex(text));
      }
      w->armed = false;
      break;
    default:
      break;
  }
  return CallWindowProcA(w->original, hwnd, message, wParam, lParam);
}

HWND Watch(HWND hwnd, const char* label, bool sendControl = false) {
  if (!hwnd || g_watchedCount == static_cast<int>(sizeof g_watched / sizeof g_watched[0])) {
    return hwnd;
  }
  Watched& w = g_watched[g_watchedCount++];
  w.hwnd = hwnd;
  std::snprintf(w.label, sizeof w.label, "%s", label);
  w.sendControl = sendControl;
  w.armed = false;
  w.original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchProc)));
  char line[64];
  std::snprintf(line, sizeof line, "%s hwnd %lu", label,
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd)));
  LogLine(line);
  return hwnd;
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WINDOWPOSCHANGED: {
      const bool topmost = (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      if (topmost != g_topmost) {
        g_topmost = topmost;
        LogLine(topmost ? "frame topmost 1" : "frame topmost 0");
      }
      break;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefFrameProcA(hwnd, g_mdi, message, wParam, lParam);
}

LRESULT CALLBACK DocumentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcA(hwnd, message, wParam, lParam);
}

void Register(const char* name, WNDPROC proc) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = proc;
  wc.hInstance = g_instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

HWND Document(const char* className, const char* title, int slot) {
  return CreateMDIWindowA(className, title, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 10 + 30 * slot,
                          10 + 30 * slot, 420, 300, g_mdi, g_instance, 0);
}

HWND Child(HWND parent, const char* className, const char* text, const char* label,
           bool sendControl = false) {
  static int row = 0;
  const DWORD border = std::strcmp(className, "EDIT") == 0 ? WS_BORDER | ES_AUTOHSCROLL : 0;
  HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | border, 4,
                              4 + 22 * (row++ % 10), 200, 20, parent, nullptr, g_instance, nullptr);
  return Watch(hwnd, label, sendControl);
}

// A chat-room-shaped document: the children every room has, in the order the client
// keeps them, with or without the combo box that completes the set.
void RoomLike(const char* className, const char* title, const char* name, int slot, bool combo) {
  HWND doc = Watch(Document(className, title, slot), name);
  const std::string p = std::string(name) + ".";
  Child(doc, "RICHCNTL", "", (p + "transcript").c_str());
  Child(doc, "EDIT", "", (p + "input").c_str());
  Child(doc, "_AOL_Icon", "", (p + "send").c_str(), true);
  Child(doc, "_AOL_Image", "", (p + "image").c_str());
  Child(doc, "_AOL_Listbox", "", (p + "people").c_str());
  if (combo) Child(doc, "_AOL_Combobox", "", (p + "combo").c_str());
}

void BuildDocuments() {
  Watch(Document("AOL Child", "Welcome, Zo\xEB Velde!", 0), "welcome");

  HWND room = Watch(Document("AOL Child", "Caf\xE9 \xBC Lounge", 1), "room");
  Child(room, "RICHCNTL", "", "room.transcript");
  Child(room, "_AOL_Icon", "", "room.before", true);
  Child(room, "EDIT", "", "room.input");
  Child(room, "_AOL_Icon", "", "room.send", true);
  Child(room, "_AOL_Image", "", "room.image");
  Child(room, "_AOL_Listbox", "", "room.people");
  Child(room, "EDIT", "", "room.input2");
  Child(room, "_AOL_Icon", "", "room.send2", true);
  Child(room, "_AOL_Image", "", "room.image2");
  Child(room, "_AOL_Combobox", "", "room.combo");

  HWND im = Watch(Document("AOL Child", "Instant Message To: Mo SsWhIrLz", 2), "im");
  Child(im, "RICHCNTL", "", "im.transcript");
  Child(im, "EDIT", "", "im.before");
  Child(im, "BUTTON", "Send Now", "im.sendnow", true);
  Child(im, "EDIT", "", "im.input");
  Child(im, "BUTTON", "Send", "im.send", true);

  RoomLike("AOL Child", "Lobby", "partial", 3, false);
  RoomLike("AOL Children", "Town Square", "lookalike", 4, true);

  HWND from = Watch(Document("AOL Child", "Instant Message From: Decoy Pal", 5), "imfrom");
  Child(from, "EDIT", "", "imfrom.input");
  Child(from, "BUTTON", "Send", "imfrom.send", true);

  Watch(Document("AOL Child", "Welcome back, Nobody!", 6), "welcomeback");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  g_instance = instance;
  if (__argc < 2) return 2;
  g_log = CreateFileA(__argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (g_log == INVALID_HANDLE_VALUE) return 3;

  Register("AOL Frame25", FrameProc);
  Register("AOL Child", DocumentProc);
  Register("AOL Children", DocumentProc);
  for (const char* name :
       {"RICHCNTL", "_AOL_Icon", "_AOL_Image", "_AOL_Listbox", "_AOL_Combobox"}) {
    Register(name, DefWindowProcA);
  }

  HWND frame = CreateWindowExA(0, "AOL Frame25", "AOL Fixture",
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 900, 700,
                               nullptr, nullptr, instance, nullptr);
  if (!frame) return 4;
  CLIENTCREATESTRUCT client = {};
  client.idFirstChild = 1000;
  RECT area;
  GetClientRect(frame, &area);
  g_mdi = CreateWindowExA(0, "MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                          area.right, area.bottom, frame, nullptr, instance, &client);
  if (!g_mdi) return 4;
  Watch(frame, "frame");
  Watch(g_mdi, "mdi");
  BuildDocuments();
  LogLine("ready");

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateMDISysAccel(g_mdi, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  CloseHandle(g_log);
  return 0;
}
