#include "practice/transcript_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace bw {
namespace {

// A fixed pitch that grows with the size, as real fonts do.
TextExtent FixedPitch(const RunStyle& style, TextView text) {
  return {static_cast<int>(text.size()) * (4 + 2 * style.size), 6 + 2 * style.size,
          2 + style.size / 2};
}
const MeasureText kMeasure = FixedPitch;  // 8 pixels a character at the default size

Text LineText(const LaidLine& line) {
  Text text;
  for (const PlacedText& piece : line.pieces) text += piece.text;
  return text;
}

Text WithoutSpaces(TextView text) {
  Text out;
  for (const char16_t c : text) {
    if (c != u' ') out += c;
  }
  return out;
}

TEST(LayOutRuns, BreaksAfterSpacesAndIndentsContinuations) {
  const auto lines = LayOutRuns({{u"aaa bbb  ccc", {}}}, {8 * 8, 5}, kMeasure);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(LineText(lines[0]), u"aaa bbb") << "trailing spaces of a broken line go";
  EXPECT_EQ(LineText(lines[1]), u"ccc");
  EXPECT_EQ(lines[1].pieces[0].x, 5);

  const auto longWord = LayOutRuns({{u"ab cdefghij", {}}}, {4 * 8, 0}, kMeasure);
  ASSERT_EQ(longWord.size(), 3u);
  EXPECT_EQ(LineText(longWord[0]), u"ab") << "a long word starts on a line of its own";
  EXPECT_EQ(LineText(longWord[1]), u"cdef");
  EXPECT_EQ(LineText(longWord[2]), u"ghij");
}

TEST(LayOutRuns, KeepsEveryCharacterInOrderInsideTheWidth) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<StyledRun> runs;
    Text all;
    for (int r = 0; r < 1 + static_cast<int>(rng() % 6); ++r) {
      RunStyle style;
      style.size = 1 + static_cast<int>(rng() % kMaxFontSize);
      Text text;
      for (int i = 0; i < static_cast<int>(rng() % 15); ++i) text += u"ab    "[rng() % 6];
      runs.push_back({text, style});
      all += text;
    }
    const int width = 10 + static_cast<int>(rng() % 120);
    const auto lines = LayOutRuns(runs, {width, 6}, kMeasure);
    ASSERT_FALSE(lines.empty());
    Text placed;
    for (const LaidLine& line : lines) {
      for (const PlacedText& piece : line.pieces) {
        placed += piece.text;
        const int right = piece.x + FixedPitch(piece.style, piece.text).width;
        // Only a line's first character may stick out: it has nowhere else to go.
        const bool loneCharacter = &piece == &line.pieces.front() && piece.text.size() == 1;
        if (piece.text != Text(piece.text.size(), u' ')) {
          EXPECT_TRUE(right <= width || loneCharacter) << "round " << round;
        }
      }
    }
    EXPECT_EQ(WithoutSpaces(placed), WithoutSpaces(all)) << "round " << round;
  }
}

TEST(LayOutRuns, RaisedAndLoweredTextLeaveTheBaseline) {
  RunStyle raised;
  raised.shift = Shift::Raised;
  RunStyle lowered;
  lowered.shift = Shift::Lowered;
  const auto lines = LayOutRuns({{u"a", {}}, {u"b", raised}, {u"c", lowered}}, {200, 0}, kMeasure);
  ASSERT_EQ(lines.size(), 1u);
  const auto& p = lines[0].pieces;
  EXPECT_LT(p[1].baseline, p[0].baseline);
  EXPECT_GT(p[2].baseline, p[0].baseline);
  const auto plain = LayOutRuns({}, {200, 0}, kMeasure);
  ASSERT_EQ(plain.size(), 1u) << "an empty entry still takes a line";
  EXPECT_GT(lines[0].height, plain[0].height) << "the line grows to hold both shifts";
  EXPECT_GE(p[1].baseline - FixedPitch(raised, u"b").ascent, 0) << "nothing above the top";
}

TEST(EntryRuns, SenderThenTheLineStyledOrAsItArrived) {
  const auto styled = EntryRuns(u"Zo", u"<B>hi</B>", false);
  EXPECT_EQ(VisibleText(styled), u"Zo: hi");
  EXPECT_TRUE(styled.back().style.bold);
  EXPECT_EQ(VisibleText(EntryRuns(u"Zo", u"<B>hi</B>", true)), u"Zo: <B>hi</B>");
}

}  // namespace
}  // namespace bw
