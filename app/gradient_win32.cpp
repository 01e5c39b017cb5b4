#include "app/gradient_win32.h"

#include "engine/rounding.h"

namespace bw {

namespace {
int ToPixel(double units, double pixelsPerUnit) {
  return RoundHalfEven(units * pixelsPerUnit);
}
}  // namespace

GdiBoxTarget::GdiBoxTarget(HDC dc, double unitsWide, double unitsHigh, SIZE pixels)
    : dc_(dc),
      unitsWide_(unitsWide),
      unitsHigh_(unitsHigh),
      pixelsPerUnitX_(pixels.cx / unitsWide),
      pixelsPerUnitY_(pixels.cy / unitsHigh) {}

void GdiBoxTarget::FillRect(double x, double y, double width, double height, ColorRef color) {
  // Both edges are rounded, so neighbouring rectangles meet without a gap or a seam.
  const RECT r = {ToPixel(x, pixelsPerUnitX_), ToPixel(y, pixelsPerUnitY_),
                  ToPixel(x + width, pixelsPerUnitX_), ToPixel(y + height, pixelsPerUnitY_)};
  // An opaque empty text fills with the background color without creating a brush.
  SetBkColor(dc_, color);
  ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

SIZE InteriorSize(HWND box) {
  RECT client = {};
  GetClientRect(box, &client);
  return {client.right - client.left, client.bottom - client.top};
}

}  // namespace bw
