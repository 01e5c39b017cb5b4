#include "aol/window_api_win32.h"

#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstring>

namespace bw {

namespace {

// The one place where a WindowHandle becomes an HWND and back. User handles carry 32
// significant bits; a 64-bit HWND is the sign-extended value, so truncating on the way
// out and sign-extending on the way in round-trips on both widths. Values no window can
// bear come back as nullptr (see the header), and every member below treats nullptr as
// "no window" without calling user32.
HWND ToHwnd(WindowHandle handle) {
  if (handle == 0 || handle == 0xFFFFu || handle == 0xFFFFFFFFu) return nullptr;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<std::int32_t>(handle)));
}

WindowHandle FromHwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window));
}

int ClampToInt(std::size_t size) {
  return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

WindowHandle Related(WindowHandle window, UINT relation) {
  const HWND hwnd = ToHwnd(window);
  return hwnd ? FromHwnd(GetWindow(hwnd, relation)) : 0;
}

}  // namespace

// Top-level windows in z-order; NULL when no window of the class exists.
WindowHandle WindowApiWin32::FindTopLevel(const char* className) {
  return FromHwnd(FindWindowA(className, nullptr));
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
  const HWND hwnd = ToHwnd(window);
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
long WindowApiWin32::TextLength(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (!hwnd) return 0;
  const LRESULT length = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
  if (length > LONG_MAX) return LONG_MAX;
  if (length < LONG_MIN) return LONG_MIN;
  return static_cast<long>(length);
}

// Across processes the window system marshals the reply and copies back at most
// `capacity` bytes, so the other program cannot write past the buffer; it may copy less
// than it claimed, or nothing at all if it has gone (the buffer is then left as it was).
// The last byte is made a NUL afterwards so the buffer always ends.
void WindowApiWin32::CopyText(WindowHandle window, char* buffer, int capacity) {
  const HWND hwnd = ToHwnd(window);
  if (!hwnd || !buffer || capacity <= 0) return;
  SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(capacity), reinterpret_cast<LPARAM>(buffer));
  buffer[capacity - 1] = '\0';
}

// The string is copied into the other process before the call returns; the answer is not
// used. A window that has gone receives nothing.
void WindowApiWin32::WriteText(WindowHandle window, const char* text) {
  const HWND hwnd = ToHwnd(window);
  if (!hwnd) return;
  SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

// A press is the target's own handling of a button message at client point (0, 0) with
// no modifier keys; the pointer does not move and nothing is activated by us. Each call
// returns only after the other program has handled the message, so a down is always
// handled before the up that follows it.
void WindowApiWin32::ButtonDown(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (hwnd) SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);
}

void WindowApiWin32::ButtonUp(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (hwnd) SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
}

// Fails quietly for a window that has gone. Without SWP_NOACTIVATE the window is also
// activated, which is what putting a window above all others means to the user.
void WindowApiWin32::SetTopmost(WindowHandle window, bool topmost) {
  const HWND hwnd = ToHwnd(window);
  if (!hwnd) return;
  SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

std::string WindowApiWin32::ToAnsi(TextView text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "Text is UTF-16 on Windows");
  if (text.empty()) return {};
  const std::wstring wide(text.begin(), text.end());
  const int count = ClampToInt(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), count, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

Text WindowApiWin32::FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int count = ClampToInt(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, nullptr, 0);
  if (size <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, wide.data(), size);
  return Text(wide.begin(), wide.end());
}

}  // namespace bw
