#pragma once
// WindowApi over user32: each member is one direct call of the "A" function its seam
// comment names. Windows only; <windows.h> stays inside the .cpp file.
//
// Handles that no window can bear are never messaged: 0, and the two values user32 reads
// as "every top-level window" (HWND_BROADCAST 0xFFFF and -1). A WindowHandle arriving from
// outside, such as a command line, therefore can never turn a WM_SETTEXT or a press into
// a broadcast. They behave as handles that name no window.
//
// Each message call tells a refusal by a program with higher rights from an answer by
// reading the calling thread's last error right after the call, within the member, so
// the status it gives holds on whatever thread runs it (the call thread under
// BoundedWindowApi).

#include "aol/window_api.h"

namespace bw {

class WindowApiWin32 final : public WindowApi {
 public:
  WindowHandle FindTopLevel(const char* className) override;
  WindowHandle FirstChild(WindowHandle window) override;
  WindowHandle NextSibling(WindowHandle window) override;
  WindowHandle PrevSibling(WindowHandle window) override;
  void ClassName(WindowHandle window, char* buffer, int capacity) override;
  CallStatus TextLength(WindowHandle window, long& length) override;
  CallStatus CopyText(WindowHandle window, char* buffer, int capacity) override;
  CallStatus WriteText(WindowHandle window, const char* text) override;
  CallStatus ButtonDown(WindowHandle window) override;
  CallStatus ButtonUp(WindowHandle window) override;
  void SetTopmost(WindowHandle window, bool topmost) override;

  // The ANSI code page, as AnsiFromText / TextFromAnsi of the Win32 base convert it.
  std::string ToAnsi(TextView text) override;
  Text FromAnsi(std::string_view bytes) override;
};

}  // namespace bw
