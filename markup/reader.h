#pragma once
// A chat line read as the client reads it: its HTML-like markup turned into runs of text
// that share one look. It is the inverse of what the engine writes, and every front end
// that shows a styled line (the main window's preview, the practice room's transcripts,
// the composer's --preview) reads with it, so all of them show a line alike.
//
// Recognised tags, matched in any letter case, each closing tag with its "/" form:
//   <FONT COLOR=#RRGGBB>, <FONT SIZE=1..4> (both attributes may stand in one tag, values
//   may be in double quotes), <B>, <I>, <U>, <S>, <SUP>, <SUB>.
// Everything else, a "<" without its ">" included, is text and shown as typed. Nothing is
// escaped: "&lt;" stays four characters.
//
// How the state moves:
//   - Each <FONT> saves the color and size in force and sets its own; </FONT> restores what
//     the last open <FONT> saved. A tag that is never closed stays in force to the end of
//     the line, which the size effects rely on: "<FONT SIZE=4>H<FONT SIZE=3>e" shows H at
//     size 4 and e at size 3.
//   - <B>, <I>, <U>, <S> nest by counting; a closing tag with none open is dropped.
//   - <SUP> and <SUB> nest as a stack, the innermost deciding; </SUP> closes the innermost
//     open <SUP> even when a <SUB> was opened after it.
// ParseMarkup(u"a<B>b</B>") == {{u"a", plain}, {u"b", bold}}

#include <vector>

#include "engine/color.h"
#include "engine/text.h"

namespace bw {

enum class Shift { None, Raised, Lowered };

// The size a line starts in, as the client's default chat font.
inline constexpr int kDefaultFontSize = 2;
inline constexpr int kMaxFontSize = 4;

struct RunStyle {
  ColorRef color = 0;  // black
  int size = kDefaultFontSize;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  Shift shift = Shift::None;

  friend bool operator==(const RunStyle&, const RunStyle&) = default;
};

struct StyledRun {
  Text text;
  RunStyle style;

  friend bool operator==(const StyledRun&, const StyledRun&) = default;
};

// The runs of a line, in order. Neighbouring runs always differ in style and no run is
// empty, so "<SUB></SUB>" adds nothing and the empty line gives no runs. `base` is the
// style the line starts in.
[[nodiscard]] std::vector<StyledRun> ParseMarkup(TextView line, const RunStyle& base = {});

// The runs of the line's first `limit` characters, read no further: what shows only the
// start of a long line costs only that start. ParseMarkup(u"<B>ab</B>c", {}, 1) == {{u"a", bold}}
[[nodiscard]] std::vector<StyledRun> ParseMarkup(TextView line, const RunStyle& base,
                                                 std::size_t limit);

// The characters of the runs, joined: what a reader sees with the styling taken away.
[[nodiscard]] Text VisibleText(const std::vector<StyledRun>& runs);

}  // namespace bw
