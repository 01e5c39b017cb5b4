#pragma once
// picShoutz as the shout-out ticker's screen, and its timer. A tick draws the rows that
// changed into the box's persistent off-screen image (black, then the entry) and then
// shows those rows at once, so the scrolling never flickers and an uncovered box repaints
// from the image. What to draw, where and when (at most once a refresh of the display) is
// decided by the portable Ticker (app/ticker.h).

#include <windows.h>

namespace bw {

// Starts the ticker from the start of its list in `picShoutz`, preparing the screen on the
// first call: the image, the font, the picture (resource IDB_TICKER of the box's module)
// and a child window that fills the box and carries the 1 ms timer. On a box that cannot
// be drawn on nothing ticks.
void StartTicker(HWND picShoutz);

// No tick comes until the next StartTicker.
void StopTicker();

}  // namespace bw
