#pragma once
// Fonts the programs draw with, all made the one way: a face, a character height in
// pixels and the style bits. Sizes given in points become pixels through the device's
// dots per inch here, so a later change of scaling has one place to go.

#include <windows.h>

#include "win32/handle_win32.h"

namespace bw {

struct FontSpec {
  const char* face = "";
  int pixelHeight = 0;  // of the characters, not of the cell
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  BYTE charset = DEFAULT_CHARSET;
  BYTE quality = DEFAULT_QUALITY;
  // Which face stands in when `face` is missing.
  BYTE pitchAndFamily = DEFAULT_PITCH | FF_SWISS;
};

// An empty handle when the system cannot make the font.
[[nodiscard]] FontHandle MakeFont(const FontSpec& spec);

// The pixel height of a point size given in hundredths of a point (14.25 point is 1425)
// on the device of `dc`, rounded to the nearest pixel.
[[nodiscard]] int PointsToPixels(HDC dc, int hundredthsOfPoint);

}  // namespace bw
