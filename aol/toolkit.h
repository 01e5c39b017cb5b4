#pragma once
// Small operations on other programs' windows, written once over the WindowApi seam.
// None reports an error: handle 0, or a handle that names no window, gives "", 0 or no
// effect.

#include "aol/window_api.h"
#include "engine/text.h"

namespace bw {

[[nodiscard]] Text GetText(WindowApi& api, WindowHandle window);
[[nodiscard]] Text GetClass(WindowApi& api, WindowHandle window);
void SetText(WindowApi& api, WindowHandle window, TextView text);
void ClickIcon(WindowApi& api, WindowHandle window);
[[nodiscard]] WindowHandle FindChildByTitle(WindowApi& api, WindowHandle parent, TextView pattern);
[[nodiscard]] WindowHandle FindChildByClass(WindowApi& api, WindowHandle parent, TextView pattern);
// onTop follows the 16-bit truth value: 0 is false, anything else true.
void StayOnTop(WindowApi& api, WindowHandle window, int onTop);

// The wildcard rule of the two find operations: both sides upper-cased, the whole
// candidate must match; * ? # [list] [!list] and ranges in the pattern only.
[[nodiscard]] bool Matches(TextView pattern, TextView candidate);

}  // namespace bw
