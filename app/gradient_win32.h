#pragma once
// PaintGradient's target on a drawing box: the box's interior in pixels, addressed in the
// box's own units. The fade preview spans 13.95 x 4.35 units over 93 x 29 pixels; the
// splash's status box 26.25 x 3.45 units over 175 x 23 (100 twips to the unit).

#include <windows.h>

#include "app/gradient.h"

namespace bw {

class GdiBoxTarget final : public DrawTarget {
 public:
  // pixels: the interior (client rectangle) that the units span.
  GdiBoxTarget(HDC dc, double unitsWide, double unitsHigh, SIZE pixels);
  double Width() override { return unitsWide_; }
  double Height() override { return unitsHigh_; }
  void FillRect(double x, double y, double width, double height, ColorRef color) override;

 private:
  HDC dc_;
  double unitsWide_, unitsHigh_;
  double pixelsPerUnitX_, pixelsPerUnitY_;
};

// The client rectangle's size of a drawing box.
[[nodiscard]] SIZE InteriorSize(HWND box);

}  // namespace bw
