#include "app/gradient.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace bw {
namespace {

struct Rect {
  double x, y, width, height;
  ColorRef color;
};

// Records every rectangle. A growing target gets 1 unit taller at each read of its height.
struct RecordingTarget : DrawTarget {
  RecordingTarget(double w, double h, bool growing = false) : w(w), h(h), growing(growing) {}
  double Width() override { return w; }
  double Height() override { return growing ? h++ : h; }
  void FillRect(double x, double y, double rw, double rh, ColorRef c) override {
    rects.push_back({x, y, rw, rh, c});
  }
  double w, h;
  bool growing;
  std::vector<Rect> rects;
};

constexpr ColorRef kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(PaintGradient, FadePreviewBoxGivesEightStepsFromRedToBlue) {
  RecordingTarget box(13.95, 4.35);
  PaintGradient(box, kRed, kBlue, 1);
  ASSERT_EQ(box.rects.size(), 8u);
  const int reds[] = {219, 183, 147, 111, 75, 39, 3, 0};  // the start color never shows
  for (int i = 0; i < 8; ++i) {
    const Rect& r = box.rects[i];
    EXPECT_EQ(std::vector<double>({r.x, r.y, r.width, r.height}),
              std::vector<double>({2.0 * i, 0, 7, 4.35}))
        << "rectangle " << i;
    EXPECT_EQ(r.color, MakeColorRef(reds[i], 0, 255 - reds[i])) << "rectangle " << i;
  }
}

TEST(PaintGradient, StepsTruncateTowardZeroAndClamp) {
  struct Case {
    ColorRef start, end;
    double width;
    size_t count;
    ColorRef first, last;
  } cases[] = {
      {kBlue, kRed, 26.25, 14, MakeColorRef(19, 0, 236), kRed},  // status box: d = 13
      {0x123456, 0x123456, 13.95, 8, 0x123456, 0x123456},        // equal colors
      {10, 4, 13.95, 8, 10, 10},                                 // -6 / 7 is 0, not -1
      {0, 255, 2.4, 2, 255, 255},                                // d = 1: clamped at 255
      {255, 0, 3.5, 3, 128, 0},                                  // 3.5 rounds to 4: clamped at 0
  };
  for (const Case& c : cases) {
    RecordingTarget box(c.width, 1);
    PaintGradient(box, c.start, c.end, 1);
    ASSERT_EQ(box.rects.size(), c.count) << "width " << c.width;
    EXPECT_EQ(box.rects.front().color, c.first) << "width " << c.width;
    EXPECT_EQ(box.rects.back().color, c.last) << "width " << c.width;
    EXPECT_EQ(box.rects.back().x, 2.0 * (c.count - 1)) << "width " << c.width;
  }
}

TEST(PaintGradient, RefusesExtentsOutsideTwoTo32765Quietly) {
  for (double width :
       {0.0, 0.5, 1.4, -8.0, 32765.6, 1e12, std::numeric_limits<double>::quiet_NaN()}) {
    RecordingTarget box(width, 10);
    PaintGradient(box, kRed, kBlue, 1);
    EXPECT_TRUE(box.rects.empty()) << "width " << width;
  }
  RecordingTarget widest(32765, 10);
  PaintGradient(widest, kRed, kBlue, 1);
  EXPECT_EQ(widest.rects.size(), 16383u);
}

TEST(PaintGradient, TopToBottomExchangesTheAxesAndTheCrossExtentIsReread) {
  RecordingTarget tall(5, 13.95, /*growing=*/false);
  PaintGradient(tall, kRed, kBlue, 0);
  ASSERT_EQ(tall.rects.size(), 8u);
  const Rect& last = tall.rects.back();
  EXPECT_EQ(std::vector<double>({last.x, last.y, last.width, last.height}),
            std::vector<double>({0, 14, 5, 7}));

  RecordingTarget growing(13.95, 4, /*growing=*/true);
  PaintGradient(growing, kRed, kBlue, 1);
  for (size_t i = 0; i < growing.rects.size(); ++i) EXPECT_EQ(growing.rects[i].height, 4 + i);
}

}  // namespace
}  // namespace bw
