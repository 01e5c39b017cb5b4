#include "app/color_pickers_win32.h"

#include <commdlg.h>

#include <algorithm>

#include "app/gradient_win32.h"
#include "win32/late_bound_win32.h"

namespace bw {

namespace {
constexpr double kPreviewUnitsWide = 13.95;
constexpr double kPreviewUnitsHigh = 4.35;
constexpr ColorRef kColorMask = 0xFFFFFF;
}  // namespace

ColorRef ChooseSwatchColor(HWND owner, ColorRef current) {
  static COLORREF customColors[16];
  static bool customColorsSet = false;
  if (!customColorsSet) {
    std::fill(std::begin(customColors), std::end(customColors), RGB(255, 255, 255));
    customColorsSet = true;
  }
  // comdlg32 (and the shell it brings) loads with the first dialog, not at the start.
  static const auto chooseColor = LateBound<decltype(ChooseColorA)>("comdlg32.dll", "ChooseColorA");
  if (!chooseColor) return current;
  CHOOSECOLORA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.rgbResult = current & kColorMask;
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!chooseColor(&dialog)) return current;
  return dialog.rgbResult & kColorMask;
}

void PaintFadePreview(HWND picResult, HDC dc, ColorRef from, ColorRef to) {
  GdiBoxTarget target(dc, kPreviewUnitsWide, kPreviewUnitsHigh, InteriorSize(picResult));
  PaintGradient(target, from, to, 1);
}

}  // namespace bw
