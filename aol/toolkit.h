#pragma once
// Small operations on other programs' windows, written once over the WindowApi seam.
// None reports an error: handle 0, or a handle that names no window, gives "", 0 or no
// effect, and so does a message call that the other program refused or did not answer
// (the exchange keeps that failure: WindowApi::ExchangeStatus).

#include "aol/window_api.h"
#include "engine/text.h"

namespace bw {

// GetText trusts a window's reported length only up to this many bytes. The length comes
// from another program, which may answer a negative or absurd number; a longer text is
// cut to its first 64 Ki bytes, far beyond any title or chat line the client holds.
inline constexpr long kMaxWindowTextBytes = 64 * 1024;

// A walk over siblings stops after this many windows. The window system holds at most
// 65536 window handles, so a longer walk can only be a sibling chain that another
// program's reordering has turned into a loop.
inline constexpr int kMaxSiblingWalk = 65536;

// Asks for the length, hands the window that many spaces (at most kMaxWindowTextBytes)
// and cuts the answer at its first NUL: a window that copies less than it announced
// leaves spaces behind its text, unless its copy ends with the NUL it owes.
[[nodiscard]] Text GetText(WindowApi& api, WindowHandle window);
// The class name; 255 spaces for a handle that names no window, which matches none of
// the classes the system searches for.
[[nodiscard]] Text GetClass(WindowApi& api, WindowHandle window);
// The finds and senders never send a message to handle 0: these do nothing there.
void SetText(WindowApi& api, WindowHandle window, TextView text);
void ClickIcon(WindowApi& api, WindowHandle window);
// The first direct child, in sibling order, whose title or class matches the wildcard
// pattern (see wildcard.h); 0 for a malformed pattern.
[[nodiscard]] WindowHandle FindChildByTitle(WindowApi& api, WindowHandle parent, TextView pattern);
[[nodiscard]] WindowHandle FindChildByClass(WindowApi& api, WindowHandle parent, TextView pattern);
// onTop follows the 16-bit truth value: 0 is false, anything else true.
void StayOnTop(WindowApi& api, WindowHandle window, int onTop);

}  // namespace bw
