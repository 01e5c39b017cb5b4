#pragma once
// The screen the programs draw on.

#include <windows.h>

#include "win32/handle_win32.h"

namespace bw {

// The screen's dots per inch, as the program sees them: the system's setting for a
// program that says it handles any density (its manifest does), 96 when none can be read.
[[nodiscard]] inline int ScreenDotsPerInch() {
  const WindowDc screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace bw
