#pragma once
// The color dialog behind the four swatches, and the fade preview's painting.

#include <windows.h>

#include "engine/color.h"

namespace bw {

// The common color dialog, modal to owner, with `current` preselected and the
// custom-color panel open: the chosen color, or `current` on Cancel or failure.
// Custom colors the user defines are kept for the rest of the run.
[[nodiscard]] ColorRef ChooseSwatchColor(HWND owner, ColorRef current);

// picResult_Paint: the fade from `from` to `to`, left to right, over the preview box's
// 13.95 x 4.35 units.
void PaintFadePreview(HWND picResult, HDC dc, ColorRef from, ColorRef to);

}  // namespace bw
