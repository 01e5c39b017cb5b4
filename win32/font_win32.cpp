#include "win32/font_win32.h"

namespace bw {

FontHandle MakeFont(const FontSpec& spec) {
  return FontHandle(CreateFontA(-spec.pixelHeight, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL,
                                spec.italic, spec.underline, spec.strikeout, spec.charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, spec.quality,
                                spec.pitchAndFamily, spec.face));
}

int PointsToPixels(HDC dc, int hundredthsOfPoint) {
  return MulDiv(hundredthsOfPoint, GetDeviceCaps(dc, LOGPIXELSY), 7200);
}

}  // namespace bw
