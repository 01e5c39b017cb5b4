#include "practice/transcript_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace bw {
namespace {

// A fixed pitch that grows with the size: 8 pixels a character at the default size.
TextExtent FixedPitch(const RunStyle& style, TextView text) {
  return {static_cast<int>(text.size()) * (4 + 2 * style.size), 6 + 2 * style.size,
          2 + style.size / 2};
}

std::vector<Text> LineTexts(TextView text, int width) {
  std::vector<Text> texts;
  for (const LaidLine& line : LayOutRuns({{Text(text), {}}}, {width, 0}, FixedPitch)) {
    texts.emplace_back();
    for (const PlacedText& piece : line.pieces) texts.back() += piece.text;
  }
  return texts;
}

TEST(LayOutRuns, BreaksAfterSpacesAndIndentsContinuations) {
  // The spaces where a line breaks go; a word too long for any line starts a line of its
  // own and breaks between characters.
  EXPECT_EQ(LineTexts(u"aaa bbb  ccc", 8 * 8), (std::vector<Text>{u"aaa bbb", u"ccc"}));
  EXPECT_EQ(LineTexts(u"ab cdefghij", 4 * 8), (std::vector<Text>{u"ab", u"cdef", u"ghij"}));
  EXPECT_EQ(LayOutRuns({{u"aaa bbb", {}}}, {4 * 8, 5}, FixedPitch).at(1).pieces.at(0).x, 5);
}

TEST(LayOutRuns, KeepsEveryCharacterInOrderInsideTheWidth) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<StyledRun> runs(1 + rng() % 6);
    Text all, placed;
    for (StyledRun& run : runs) {
      run.style.size = 1 + static_cast<int>(rng() % kMaxFontSize);
      for (int i = static_cast<int>(rng() % 15); i > 0; --i) run.text += u"ab    "[rng() % 6];
      all += run.text;
    }
    const int width = 10 + static_cast<int>(rng() % 120);
    for (const LaidLine& line : LayOutRuns(runs, {width, 6}, FixedPitch)) {
      for (const PlacedText& p : line.pieces) {
        placed += p.text;
        // Only a line's first character may stick out: it has nowhere else to go.
        const bool lone = &p == &line.pieces.front() && p.text.size() == 1;
        const bool blank = p.text.find_first_not_of(u' ') == Text::npos;
        EXPECT_TRUE(p.x + FixedPitch(p.style, p.text).width <= width || lone || blank) << round;
      }
    }
    std::erase(placed, u' ');
    std::erase(all, u' ');
    EXPECT_EQ(placed, all) << "round " << round;
  }
}

TEST(LayOutRuns, RaisedAndLoweredTextLeaveTheBaseline) {
  const LaidLine line =
      LayOutRuns({{u"a", {}}, {u"b", {.shift = Shift::Raised}}, {u"c", {.shift = Shift::Lowered}}},
                 {200, 0}, FixedPitch)
          .at(0);
  EXPECT_LT(line.pieces.at(1).baseline, line.pieces[0].baseline);
  EXPECT_GT(line.pieces.at(2).baseline, line.pieces[0].baseline);
  // An empty entry still takes a line; this one grows to hold both shifts.
  EXPECT_GT(line.height, LayOutRuns({}, {200, 0}, FixedPitch).at(0).height);
}

}  // namespace
}  // namespace bw
