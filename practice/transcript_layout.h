#pragma once
// How a transcript entry is broken into lines: the decisions of the practice room's
// transcript, kept apart from GDI so they run in a native test. The window answers the
// measuring questions with the fonts it draws with; tests answer with a fixed pitch.

#include <functional>
#include <vector>

#include "engine/text.h"
#include "markup/reader.h"

namespace bw {

struct TextExtent {
  int width = 0;
  int ascent = 0;   // pixels above the baseline
  int descent = 0;  // pixels below it
};

// The extent of `text` drawn in `style`; asked with empty text for the height alone.
using MeasureText = std::function<TextExtent(const RunStyle& style, TextView text)>;

struct PlacedText {
  Text text;
  RunStyle style;
  int x = 0;
  int baseline = 0;  // from the top of the line, raising and lowering included
};

struct LaidLine {
  std::vector<PlacedText> pieces;
  int height = 0;
};

struct WrapOptions {
  int width = 0;   // lines break before a word that would cross this
  int indent = 0;  // where continuation lines start, so a wrapped entry reads as one
};

// Raised and lowered text moves by a third of its font's ascent.
[[nodiscard]] int ShiftOffset(const RunStyle& style, const TextExtent& extent);

// The runs of one entry as lines. Lines break after spaces (U+0020 only); a word wider
// than a whole line is broken between characters, at least one character to a line.
// The spaces where a line breaks are dropped. Every non-space character appears exactly
// once, in order. An entry without runs still takes one line of the default style's
// height.
[[nodiscard]] std::vector<LaidLine> LayOutRuns(const std::vector<StyledRun>& runs,
                                               const WrapOptions& options,
                                               const MeasureText& measure);

}  // namespace bw
