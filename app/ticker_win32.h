#pragma once
// picShoutz as the shout-out ticker's screen. Every tick draws the rows it changed into
// the box's persistent off-screen image (black, then the entry) and then shows those rows
// at once, so the scrolling never flickers and an uncovered box repaints from the image.
// What to draw and where is decided by the portable ticker (app/ticker.h).

#include <windows.h>

#include <optional>

#include "app/ticker.h"
#include "engine/text.h"

namespace bw {

// Prepares the screen in `picShoutz` on the first call: the image, the font, the picture
// (resource IDB_TICKER of the box's module) and a child window that fills the box. The
// box's interior in pixels, or nullopt when there is nothing to draw on.
std::optional<PixelSize> OpenTickerScreen(HWND picShoutz);

// Makes the image of an entry (the picture at `pictureSize`; a text drawn yellow on black
// once, as wide as the screen, as high as the text) and gives its height in pixels;
// nullopt when it could not be made.
std::optional<int> PrepareTickerEntry(TextView entry, PixelSize pictureSize);

// Clears and shows the rows of `redraw`, with the last prepared image drawn into them.
void DrawTicker(const TickerRedraw& redraw);

}  // namespace bw
