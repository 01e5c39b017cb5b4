#pragma once
// Styled runs as Rich Text Format, the one form in which a rich edit control takes
// styled text from an ANSI program and a Unicode one alike. The document is 7-bit: every
// character outside printable ASCII is written as \uN with '?' for readers that know no
// \u, so a control reads back exactly the characters of the runs whatever its code page.
//
// Each run is one group that states its whole look: its color (from the document's color
// table), its size in half-points, bold, italic, underline, strikeout, and \super or \sub
// for raised and lowered text. The face is the client's chat face, Arial. A line break
// in the text ("\r\n", "\r" or "\n") ends a paragraph (\par); a tab is \tab. No paragraph
// ends the document, so what is streamed after it goes on the same line.
// RichTextFormat({{u"a{", bold red}}) ==
//   "{\rtf1\ansi\ansicpg1252\deff0\uc1{\fonttbl{\f0\fswiss\fcharset0 Arial;}}"
//   "{\colortbl;\red255\green0\blue0;}{\cf1\fs20\b a\{}}"

#include <string>
#include <vector>

#include "markup/reader.h"

namespace bw {

// The point sizes of the markup's four font sizes, in half-points: 8, 10, 12 and 15 pt,
// the client's default size 2 being the ordinary 10-point chat font. At 96 dpi they are
// the 11, 13, 16 and 20 pixels the client draws; on a denser screen they grow with it.
// Sizes outside 1..4 take the nearest.
[[nodiscard]] int HalfPointsOfSize(int size);

[[nodiscard]] std::string RichTextFormat(const std::vector<StyledRun>& runs);

}  // namespace bw
