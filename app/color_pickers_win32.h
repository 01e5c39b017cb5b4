#pragma once
// The four color swatches' clicks and the fade preview's painting.

#include <windows.h>

#include "app/main_form.h"
#include "app/sound.h"
#include "engine/color.h"

namespace bw {

// A click on a swatch: the click sound, then the common color dialog, modal to owner,
// with the swatch's color preselected and the custom-color panel open. The chosen color
// becomes the swatch's; Cancel keeps it. A fade swatch then redraws picResult, whatever
// the dialog did. Nothing after the sound reports a failure: a dialog that cannot open
// is as Cancel.
void PickSwatchColor(Swatch swatch, SoundPlayer& sounds, MainView& view, HWND owner,
                     HWND picResult);

// The common color dialog alone: the chosen color, or `current` on Cancel or failure.
// Custom colors the user defines are kept for the rest of the run.
[[nodiscard]] ColorRef ChooseSwatchColor(HWND owner, ColorRef current);

// picResult_Paint: the fade from `from` to `to`, left to right, over the preview box's
// 13.95 x 4.35 units.
void PaintFadePreview(HWND picResult, HDC dc, ColorRef from, ColorRef to);

}  // namespace bw
