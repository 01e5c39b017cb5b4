#pragma once
// The screen's own density. Layouts give sizes in pixels at 96 dots per inch and stored
// geometry is in twips (1/1440 inch); on a screen of D dots per inch a layout pixel is
// D / 96 of the screen's and a twip 1440 / D of them, so a window looks the same size on
// every screen. At 96 dpi nothing changes: 15 twips to the pixel, layouts as given.
// Every conversion rounds to the nearest whole number, halves to the even neighbour.

#include "engine/rounding.h"

namespace bw {

struct PixelSize {
  int width = 0, height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class ScreenUnits {
 public:
  explicit constexpr ScreenUnits(int dotsPerInch = kLayoutDpi)
      : dpi_(dotsPerInch > 0 ? dotsPerInch : kLayoutDpi) {}

  [[nodiscard]] constexpr int DotsPerInch() const { return dpi_; }
  // ScreenUnits(120).TwipsToPixels(4710) == 392 (392.5); at 96 dpi, 4710 is 314.
  [[nodiscard]] int TwipsToPixels(int twips) const;
  [[nodiscard]] int PixelsToTwips(int pixels) const;
  // A twip size the program set on the screen reads back as the same twips, though a
  // pixel is not a whole number of twips at every density: ScreenUnits(106) shows 900
  // twips as 66 pixels, which PixelsToTwips would read as 897.
  [[nodiscard]] int ReadBack(int pixels, int setTwips) const;

  // A size of a layout: ScreenUnits(120).Scale(233) == 291 (291.25).
  [[nodiscard]] int Scale(int layoutPixels) const;
  // A font's height of a layout, rounded down: text, whose width grows with its height,
  // then never outgrows the boxes scaled with it. ScreenUnits(120).ScaleFont(11) == 13.
  [[nodiscard]] int ScaleFont(int layoutPixels) const;
  // A rectangle of a layout, by its edges, so that neighbours stay neighbours.
  [[nodiscard]] PixelRect Scale(const PixelRect& layout) const;

 private:
  int dpi_;
};

}  // namespace bw
