#include "app/screen_units.h"

#include <gtest/gtest.h>

#include "app/placement.h"

namespace bw {
namespace {

TEST(ScreenUnits, ChangesNothingAt96DotsPerInch) {
  const ScreenUnits units;
  for (int pixels = -400; pixels <= 1200; ++pixels) {
    ASSERT_EQ(units.Scale(pixels), pixels);
    ASSERT_EQ(units.PixelsToTwips(pixels), pixels * 15);
    ASSERT_EQ(units.TwipsToPixels(pixels * 15), pixels);
  }
  EXPECT_EQ(units.TwipsToPixels(4868), 325);  // 324.53
  EXPECT_EQ(units.TwipsToPixels(-308), -21);  // -20.53
}

TEST(ScreenUnits, ScalesLayoutsAndTwipsWithTheRealDensity) {
  const struct {
    int dpi;
    int width, height, rolled;  // the window's twips on the screen
    PixelRect box;              // picShoutz, at 209, 91, 160 x 75 in the layout
  } cases[] = {
      {120, 469, 392, 75, {261, 114, 200, 94}},  // 468.75; 392.5 and 113.75 to the even
      {144, 562, 471, 90, {314, 136, 240, 113}},
      {192, 750, 628, 120, {418, 182, 320, 150}},
  };
  for (const auto& c : cases) {
    const ScreenUnits units(c.dpi);
    EXPECT_EQ(units.TwipsToPixels(kWindowWidth), c.width) << c.dpi;
    EXPECT_EQ(units.TwipsToPixels(kFullHeight), c.height) << c.dpi;
    EXPECT_EQ(units.TwipsToPixels(kRolledHeight), c.rolled) << c.dpi;
    EXPECT_EQ(units.Scale(PixelRect{209, 91, 160, 75}), c.box) << c.dpi;
  }
  // Fonts round down, so their text never outgrows the boxes: 13.75, 16.5, 22.
  EXPECT_EQ(ScreenUnits(120).ScaleFont(11), 13);
  EXPECT_EQ(ScreenUnits(144).ScaleFont(11), 16);
  EXPECT_EQ(ScreenUnits(192).ScaleFont(11), 22);
}

TEST(ScreenUnits, TheHeightsTheWindowIsGivenReadBackAsGivenAtAnyDensity) {
  for (int dpi = 72; dpi <= 480; ++dpi) {
    const ScreenUnits units(dpi);
    for (const int twips : {kRolledHeight, kFullHeight, kWindowWidth}) {
      ASSERT_EQ(units.ReadBack(units.TwipsToPixels(twips), twips), twips) << dpi;
    }
    const int other = units.TwipsToPixels(kRolledHeight) + 1;
    ASSERT_NE(units.ReadBack(other, kRolledHeight), kRolledHeight) << dpi;
  }
}

}  // namespace
}  // namespace bw
