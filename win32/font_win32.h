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
[[nodiscard]] inline FontHandle MakeFont(const FontSpec& spec) {
  return FontHandle(CreateFontA(-spec.pixelHeight, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL,
                                spec.italic, spec.underline, spec.strikeout, spec.charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, spec.quality,
                                spec.pitchAndFamily, spec.face));
}

// The pixel height of a point size given in hundredths of a point (14.25 point is 1425)
// on the device of `dc`, rounded to the nearest pixel.
[[nodiscard]] inline int PointsToPixels(HDC dc, int hundredthsOfPoint) {
  return MulDiv(hundredthsOfPoint, GetDeviceCaps(dc, LOGPIXELSY), 7200);
}

}  // namespace bw
