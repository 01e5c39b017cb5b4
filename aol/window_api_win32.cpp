#include "aol/window_api_win32.h"

#include <windows.h>

#include <climits>
#include <cstring>

#include "win32/text_win32.h"
#include "win32/window_win32.h"

namespace bw {

namespace {

// Every member treats nullptr from HwndFromBits as "no window" and calls nothing.
WindowHandle Related(WindowHandle window, UINT relation) {
  const HWND hwnd = HwndFromBits(window);
  return hwnd ? BitsOfHwnd(GetWindow(hwnd, relation)) : 0;
}

// SendMessageA to a window of a program with higher rights (started "as administrator"
// on Windows Vista and later) is dropped by the window system: it returns 0 and sets
// ERROR_ACCESS_DENIED. 0 is also an ordinary answer (no text, a handled press), so the
// last error is cleared first and read straight after, on this same thread. Windows
// before Vista, and Wine, have no such barrier and never set it here.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CallStatus& status) {
  SetLastError(0);
  const LRESULT result = SendMessageA(hwnd, message, wParam, lParam);
  status = result == 0 && GetLastError() == ERROR_ACCESS_DENIED ? CallStatus::kRefused
                                                                 : CallStatus::kAnswered;
  return result;
}

}  // namespace

// Top-level windows in z-order; NULL when no window of the class exists.
WindowHandle WindowApiWin32::FindTopLevel(const char* className) {
  return BitsOfHwnd(FindWindowA(className, nullptr));
}

// Ordinary children come in creation order, an MDI client's documents in z-order (the
// last activated first). A window that has gone away, or one whose parent destroyed it
// between two calls, gives NULL, which ends any walk quietly.
WindowHandle WindowApiWin32::FirstChild(WindowHandle window) {
  return Related(window, GW_CHILD);
}

WindowHandle WindowApiWin32::NextSibling(WindowHandle window) {
  return Related(window, GW_HWNDNEXT);
}

WindowHandle WindowApiWin32::PrevSibling(WindowHandle window) {
  return Related(window, GW_HWNDPREV);
}

// The class name is held by the window system, not asked of the other program, so it
// cannot lie. GetClassNameA fails (returns 0) for a window that has gone; the name is
// fetched into a local buffer and copied only on success, so the caller's buffer is left
// exactly as it was, whatever the platform does with its argument on failure.
void WindowApiWin32::ClassName(WindowHandle window, char* buffer, int capacity) {
  const HWND hwnd = HwndFromBits(window);
  if (!hwnd || !buffer || capacity <= 0) return;
  char name[257];  // class names are at most 256 characters
  const int limit =
      capacity < static_cast<int>(sizeof name) ? capacity : static_cast<int>(sizeof name);
  const int length = GetClassNameA(hwnd, name, limit);
  if (length <= 0 || length >= limit) return;
  std::memcpy(buffer, name, static_cast<std::size_t>(length) + 1);
}

// The answer comes from the other program's window procedure, which may say anything:
// negative, huge, or more than WM_GETTEXT will then copy. A window that has gone answers
// 0. A 64-bit LRESULT is clamped into long; the caller clamps further.
CallStatus WindowApiWin32::TextLength(WindowHandle window, long& length) {
  length = 0;
  const HWND hwnd = HwndFromBits(window);
  if (!hwnd) return CallStatus::kAnswered;
  CallStatus status;
  const LRESULT answer = Send(hwnd, WM_GETTEXTLENGTH, 0, 0, status);
  length = answer > LONG_MAX ? LONG_MAX : answer < LONG_MIN ? LONG_MIN : static_cast<long>(answer);
  return status;
}

// Across processes the window system marshals the reply and copies back at most
// `capacity` bytes, so the other program cannot write past the buffer; it may copy less
// than it claimed, or nothing at all if it has gone (the buffer is then left as it was).
// The last byte is made a NUL afterwards so the buffer always ends.
CallStatus WindowApiWin32::CopyText(WindowHandle window, char* buffer, int capacity) {
  const HWND hwnd = HwndFromBits(window);
  if (!hwnd || !buffer || capacity <= 0) return CallStatus::kAnswered;
  CallStatus status;
  Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(capacity), reinterpret_cast<LPARAM>(buffer), status);
  buffer[capacity - 1] = '\0';
  return status;
}

// The string is copied into the other process before the call returns; the answer is not
// used. A window that has gone receives nothing.
CallStatus WindowApiWin32::WriteText(WindowHandle window, const char* text) {
  const HWND hwnd = HwndFromBits(window);
  if (!hwnd) return CallStatus::kAnswered;
  CallStatus status;
  Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""), status);
  return status;
}

// A press is the target's own handling of a button message at client point (0, 0) with
// no modifier keys; the pointer does not move and nothing is activated by us. Each call
// returns only after the other program has handled the message, so a down is always
// handled before the up that follows it.
CallStatus WindowApiWin32::ButtonDown(WindowHandle window) {
  const HWND hwnd = HwndFromBits(window);
  CallStatus status = CallStatus::kAnswered;
  if (hwnd) Send(hwnd, WM_LBUTTONDOWN, 0, 0, status);
  return status;
}

CallStatus WindowApiWin32::ButtonUp(WindowHandle window) {
  const HWND hwnd = HwndFromBits(window);
  CallStatus status = CallStatus::kAnswered;
  if (hwnd) Send(hwnd, WM_LBUTTONUP, 0, 0, status);
  return status;
}

void WindowApiWin32::SetTopmost(WindowHandle window, bool topmost) {
  bw::SetTopmost(HwndFromBits(window), topmost);
}

std::string WindowApiWin32::ToAnsi(TextView text) {
  return AnsiFromText(text);
}

Text WindowApiWin32::FromAnsi(std::string_view bytes) {
  return TextFromAnsi(bytes);
}

}  // namespace bw
