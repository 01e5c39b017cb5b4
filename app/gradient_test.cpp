#include "app/gradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace bw {
namespace {

struct Rect {
  double x, y, width, height;
  ColorRef color;
};

// Records every rectangle; its height grows by 1 on each read, to show it is re-read.
class RecordingTarget : public DrawTarget {
 public:
  RecordingTarget(double width, double height, bool growing = false)
      : width_(width), height_(height), growing_(growing) {}
  double Width() override { return width_; }
  double Height() override { return growing_ ? height_++ : height_; }
  void FillRect(double x, double y, double w, double h, ColorRef c) override {
    rects.push_back({x, y, w, h, c});
  }
  std::vector<Rect> rects;

 private:
  double width_, height_;
  bool growing_;
};

constexpr ColorRef kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(PaintGradient, FadePreviewBoxGivesEightStepsFromRedToBlue) {
  RecordingTarget box(13.95, 4.35);
  PaintGradient(box, kRed, kBlue, 1);
  const int reds[] = {219, 183, 147, 111, 75, 39, 3, 0};
  ASSERT_EQ(box.rects.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    const Rect& r = box.rects[i];
    EXPECT_EQ(r.x, 2 * i) << "rectangle " << i;
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.width, 7);
    EXPECT_EQ(r.height, 4.35);
    EXPECT_EQ(r.color, MakeColorRef(reds[i], 0, 255 - reds[i])) << "rectangle " << i;
  }
}

TEST(PaintGradient, StatusBoxGivesFourteenRectanglesThirteenWide) {
  RecordingTarget box(26.25, 3.45);
  PaintGradient(box, MakeColorRef(0, 0, 255), MakeColorRef(255, 0, 0), 1);
  ASSERT_EQ(box.rects.size(), 14u);
  EXPECT_EQ(box.rects.back().x, 26);
  for (const Rect& r : box.rects) EXPECT_EQ(r.width, 13);
  // 255 / 13 = 19: the first band has already left the start color.
  EXPECT_EQ(box.rects.front().color, MakeColorRef(19, 0, 236));
}

TEST(PaintGradient, StepsTruncateTowardZeroAndClamp) {
  struct Case {
    ColorRef start, end;
    double width;
    ColorRef first, last;
  } cases[] = {
      {0x123456, 0x123456, 13.95, 0x123456, 0x123456},  // equal colors: one color
      {10, 4, 13.95, 10, 10},                           // -6 / 7 is 0, not -1
      {0, 255, 2.4, 255, 255},                          // d = 1: the second step clamps
      {255, 0, 3.5, 128, 0},                            // 3.5 rounds to 4, d = 2
  };
  for (const Case& c : cases) {
    RecordingTarget box(c.width, 1);
    PaintGradient(box, c.start, c.end, 1);
    ASSERT_FALSE(box.rects.empty()) << "width " << c.width;
    EXPECT_EQ(box.rects.front().color, c.first) << "width " << c.width;
    EXPECT_EQ(box.rects.back().color, c.last) << "width " << c.width;
  }
}

TEST(PaintGradient, RefusesExtentsOutsideTwoTo32765Quietly) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double width : {0.0, 1.4, 0.5, -8.0, 32765.6, 1e12, nan}) {
    RecordingTarget box(width, 10);
    PaintGradient(box, kRed, kBlue, 1);
    EXPECT_TRUE(box.rects.empty()) << "width " << width;
  }
  RecordingTarget widest(32765, 10);
  PaintGradient(widest, kRed, kBlue, 1);
  EXPECT_EQ(widest.rects.size(), 16383u);
}

TEST(PaintGradient, TopToBottomExchangesTheAxesAndRereadsTheCrossExtent) {
  RecordingTarget box(5, 13.95, /*growing=*/false);
  PaintGradient(box, kRed, kBlue, 0);
  ASSERT_EQ(box.rects.size(), 8u);
  EXPECT_EQ(box.rects[7].y, 14);
  EXPECT_EQ(box.rects[7].x, 0);
  EXPECT_EQ(box.rects[7].width, 5);
  EXPECT_EQ(box.rects[7].height, 7);

  RecordingTarget growing(13.95, 4, /*growing=*/true);
  PaintGradient(growing, kRed, kBlue, 1);
  for (size_t i = 0; i < growing.rects.size(); ++i) EXPECT_EQ(growing.rects[i].height, 4 + i);
}

}  // namespace
}  // namespace bw
