#include "app/gradient.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace bw {
namespace {

using Rect = std::tuple<double, double, double, double, ColorRef>;  // x, y, width, height

std::vector<Rect> Paint(double width, double height, ColorRef start, ColorRef end, int dir = 1) {
  struct Recorder : DrawTarget {
    Recorder(double w, double h) : w(w), h(h) {}
    double w, h;
    std::vector<Rect> rects;
    double Width() override { return w; }
    double Height() override { return h; }
    void FillRect(double x, double y, double rw, double rh, ColorRef c) override {
      rects.emplace_back(x, y, rw, rh, c);
    }
  } target(width, height);
  PaintGradient(target, start, end, dir);
  return target.rects;
}

constexpr ColorRef kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(PaintGradient, FadePreviewBoxGivesEightStepsFromRedToBlueEitherWay) {
  const auto across = Paint(13.95, 4.35, kRed, kBlue), down = Paint(4.35, 13.95, kRed, kBlue, 0);
  const int reds[] = {219, 183, 147, 111, 75, 39, 3, 0};  // the start color never shows
  ASSERT_TRUE(across.size() == 8 && down.size() == 8);
  for (int i = 0; i < 8; ++i) {
    const ColorRef color = MakeColorRef(reds[i], 0, 255 - reds[i]);
    EXPECT_EQ(across[i], Rect(2 * i, 0, 7, 4.35, color)) << i;
    EXPECT_EQ(down[i], Rect(0, 2 * i, 4.35, 7, color)) << i;
  }
}

TEST(PaintGradient, StepsTruncateTowardZeroStopAtTheChannelEndsAndNeedTwoTo32765Units) {
  const std::vector<Rect> status = Paint(27.25, 1, kBlue, kRed);  // 27 units: d = 13
  ASSERT_EQ(status.size(), 14u);
  for (int i = 0; i < 14; ++i) EXPECT_EQ(status[i], Rect(2 * i, 0, 13, 1, std::get<4>(status[i])));
  EXPECT_EQ(std::get<4>(status.front()), MakeColorRef(19, 0, 236));  // 255 / 13 steps 19
  EXPECT_EQ(std::get<4>(status.back()), kRed);
  for (double width : {0.0, 1.4, -8.0, 32765.6, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_TRUE(Paint(width, 10, kRed, kBlue).empty()) << "width " << width;
  }
  EXPECT_EQ(Paint(32765, 10, kRed, kBlue).size(), 16383u);
}

// An extent that ends in a half goes to the even neighbour: 1.5 to 2, 3.5 to 4, 15.5 to 16
// and 32765.5 to 32766, which is too long.
TEST(PaintGradient, RoundsAHalfUnitToTheEvenNeighbour) {
  const std::pair<double, std::size_t> cases[] = {{1.5, 2}, {3.5, 3}, {15.5, 9}, {32765.5, 0}};
  for (const auto& [width, rectangles] : cases) {
    EXPECT_EQ(Paint(width, 1, kRed, kBlue).size(), rectangles) << "width " << width;
  }
}

}  // namespace
}  // namespace bw
