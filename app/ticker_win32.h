#pragma once
// picShoutz as the shout-out ticker's screen. Every tick draws a whole frame into the
// box's persistent off-screen image (black, then the entry) and then shows that image at
// once, so the scrolling never flickers and an uncovered box repaints from it.

#include <windows.h>

#include "app/ticker.h"

namespace bw {

// tmrShoutz_Timer: one step of the ticker, drawn and shown. The first call prepares the
// image, the font and the picture (resource IDB_TICKER of the box's module).
void TickTicker(HWND picShoutz, TickerState& state);

}  // namespace bw
