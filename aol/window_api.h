#pragma once
// The platform seam of window automation: exactly the user32 operations the toolkit, the
// locator and the senders use, one virtual per call. Text crosses as 8-bit bytes in the
// window system's ANSI code page, as with the "A" functions; the implementation also owns
// the conversion between that code page and Text.
//
// Implementations: WindowApiWin32 (user32, Windows only), BoundedWindowApi (any of the
// others with a bound on the waiting for other programs) and ScriptedWindowTree (the
// in-memory test double).

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/text.h"

namespace bw {

// An opaque window identifier; 0 means "no window".
using WindowHandle = std::uint32_t;

// How a message call to another program went. A window that has gone is no failure: it
// answers as the platform does for it (0, no text, no effect). A program that runs with
// higher rights than ours refuses our messages (on Windows Vista and later); one that has
// stopped answering is given up on where the waiting is bounded (BoundedWindowApi).
enum class CallStatus { kAnswered, kRefused, kNotAnswered };

class WindowApi {
 public:
  virtual ~WindowApi() = default;

  // FindWindowA(className, nullptr): the first top-level window of the class, or 0.
  virtual WindowHandle FindTopLevel(const char* className) = 0;
  // GetWindow with GW_CHILD, GW_HWNDNEXT, GW_HWNDPREV; 0 where there is none.
  virtual WindowHandle FirstChild(WindowHandle window) = 0;
  virtual WindowHandle NextSibling(WindowHandle window) = 0;
  virtual WindowHandle PrevSibling(WindowHandle window) = 0;
  // GetClassNameA: copies the name and a NUL into buffer (capacity bytes at most); a
  // handle that names no window leaves the buffer untouched.
  virtual void ClassName(WindowHandle window, char* buffer, int capacity) = 0;
  // The message calls. Each says how it went; what a call that failed gave back (a
  // length, the buffer's bytes) is not to be used.
  //
  // SendMessageA WM_GETTEXTLENGTH: in `length`, whatever the window answers, which another
  // program may get wrong (negative, huge, or more than it will copy).
  virtual CallStatus TextLength(WindowHandle window, long& length) = 0;
  // SendMessageA WM_GETTEXT: copies at most capacity - 1 bytes and a NUL.
  virtual CallStatus CopyText(WindowHandle window, char* buffer, int capacity) = 0;
  // SendMessageA WM_SETTEXT with wParam 0 and a NUL-terminated string.
  virtual CallStatus WriteText(WindowHandle window, const char* text) = 0;
  // SendMessageA WM_LBUTTONDOWN / WM_LBUTTONUP with wParam 0 and lParam 0.
  virtual CallStatus ButtonDown(WindowHandle window) = 0;
  virtual CallStatus ButtonUp(WindowHandle window) = 0;
  // SetWindowPos(window, HWND_TOPMOST or HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE|SWP_NOMOVE).
  virtual void SetTopmost(WindowHandle window, bool topmost) = 0;

  // The window system's ANSI code page.
  virtual std::string ToAnsi(TextView text) = 0;
  virtual Text FromAnsi(std::string_view bytes) = 0;

  // The message calls from BeginExchange to its EndExchange are one exchange with other
  // programs, such as a whole send: an implementation that bounds its waiting bounds the
  // exchange as a whole (BoundedWindowApi). Exchanges nest; the outermost one counts.
  // Implementations that never wait need do nothing.
  virtual void BeginExchange() {}
  virtual void EndExchange() {}
  // How the current exchange (or, after it, the last one) went: its first call that was
  // refused or not answered, else kAnswered. An implementation that stops an exchange at
  // its first failure (BoundedWindowApi) reports it; the others answer kAnswered.
  [[nodiscard]] virtual CallStatus ExchangeStatus() const { return CallStatus::kAnswered; }
};

// One exchange for the life of a scope.
class Exchange {
 public:
  explicit Exchange(WindowApi& api) : api_(api) { api_.BeginExchange(); }
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;
  ~Exchange() { api_.EndExchange(); }

 private:
  WindowApi& api_;
};

}  // namespace bw
