// PracticeRoom: a stand-in for the chat client that Brindlewick drives. It opens the
// window tree the client opens (frame "AOL Frame25", its MDI client, a chat room, an
// Instant Message window and a Welcome window), accepts lines the way the client does
// (text written into an input box, then a press of the send control) and shows them
// styled as a chat shows them, so a fade looks like a fade.
//
// Command line: see kPracticeUsage in options.h.
//
// With --log FILE, events are appended to FILE, one line each, flushed at once:
//   ready        every window exists; sends can start
//   chat HEX     the chat room's send control was pressed
//   im HEX       the Instant Message window's Send button was pressed
// HEX is the exact Windows-1252 bytes that stood in the input box at the press, two
// upper-case hexadecimal digits per byte (empty for an empty box). See receive_log.h.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string_view>
#include <vector>

#include "practice/documents_win32.h"
#include "practice/options.h"
#include "practice/receive_log.h"
#include "practice/room_layout.h"
#include "win32/screen_win32.h"
#include "win32/text_win32.h"

namespace bw {

namespace {

constexpr wchar_t kFrameClass[] = L"AOL Frame25";
constexpr wchar_t kFrameTitle[] = L"Brindlewick Practice Room";
// Command IDs the MDI client gives its documents' entries in a Window menu.
constexpr UINT kFirstDocumentId = 0xFF00;

HINSTANCE g_instance = nullptr;
HWND g_mdiClient = nullptr;
std::FILE* g_log = nullptr;

void WriteLog(std::string_view line) {
  if (!g_log) return;
  std::fwrite(line.data(), 1, line.size(), g_log);
  std::fflush(g_log);
}

void LogReceived(Channel channel, std::string_view bytes) {
  WriteLog(ReceivedLine(channel, bytes));
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT mdi{nullptr, kFirstDocumentId};
      g_mdiClient =
          CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                          WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0,
                          0, 0, hwnd, nullptr, g_instance, &mdi);
      return g_mdiClient ? 0 : -1;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefFrameProcW(hwnd, g_mdiClient, message, wParam, lParam);
}

std::vector<Text> Arguments() {
  std::vector<Text> args;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.push_back(TextOf(argv[i]));
  LocalFree(argv);
  return args;
}

void Tell(const Text& text) {
  MessageBoxW(nullptr, WideOf(text), kFrameTitle, MB_OK | MB_ICONINFORMATION);
}

bool RegisterFrameClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = FrameProc;
  wc.hInstance = g_instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = kFrameClass;
  return RegisterClassExW(&wc) != 0;
}

// The MDI client's area on the screen.
Rect ScreenRectOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

int Run(int show) {
  Text error;
  const auto options = ParsePracticeOptions(Arguments(), &error);
  if (!options) {
    Tell(error + u"\n\n" + kPracticeUsage);
    return 2;
  }
  if (!options->logPath.empty()) {
    g_log = _wfopen(WideOf(options->logPath), L"ab");
    if (!g_log) {
      Tell(u"The log file cannot be opened:\n" + options->logPath);
      return 1;
    }
  }
  if (!RegisterFrameClass() || !RegisterDocumentClasses(g_instance)) return 1;
  SetWriteDelay(options->writeDelayMs, options->delayAfterWrites);

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const HWND frame =
      CreateWindowExW(0, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                      screenWidth, screenHeight, nullptr, nullptr, g_instance, nullptr);
  if (!frame) return 1;
  ShowWindow(frame, show);
  UpdateWindow(frame);

  // Opened oldest first, as a session runs: the Welcome window at sign-on, then the
  // Instant Message, then the chat room, which ends up active with its input box focused.
  const DocumentRects places =
      PlaceDocuments(ScreenRectOf(g_mdiClient), screenWidth, screenHeight, ScreenDotsPerInch());
  if (options->welcome) OpenWelcome(g_mdiClient, places.welcome, options->screenName);
  if (options->im) {
    OpenInstantMessage(g_mdiClient, places.im, options->partner, options->screenName, LogReceived);
  }
  if (options->chat) {
    const std::vector<Text> people = {options->screenName, u"LuneTarragon", u"Pixelbrook",
                                      u"QuillaMarsh"};
    OpenChatRoom(g_mdiClient, places.chat, options->room, options->screenName, people, LogReceived);
  }
  WriteLog(kReadyLine);

  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateMDISysAccel(g_mdiClient, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (g_log) std::fclose(g_log);
  return static_cast<int>(msg.wParam);
}

}  // namespace

}  // namespace bw

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  bw::g_instance = instance;
  return bw::Run(show);
}
