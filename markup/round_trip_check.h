#pragma once
// The round trip between the one writer of the client's markup (ComposeMessage) and its one
// reader (ParseMarkup), as a check that the property test and the fuzz harness share. Test
// support only: no program links it.
//
// The property: reading what ComposeMessage writes gives back exactly the transformed text
// (Hacker, Elite, Spaced, Backwards, in that order, as the transforms make it), and every
// unit of every character carries the look its options ask for, worked out here from the
// effects' rules, not from their code. Two things are outside it:
//   - a ">" in the text. Nothing typed is escaped, by design, so a typed "<" and a later
//     typed ">" make a tag the client obeys; the check is for texts without ">", where a
//     typed "<" is always read as text (the only ">" are the writer's own, and a "<" that
//     would reach one is followed by the writer's "<" first, which no tag allows);
//   - the color effects drop a text of nothing but spaces altogether, so there the
//     expected text is the empty text.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/style_options.h"
#include "engine/text.h"

namespace bw::testing {

struct RoundTripCase {
  std::vector<Text> characters;  // the text, one entry per character, no ">" anywhere
  StyleOptions options;
  SendTarget target = SendTarget::Chat;
  // Picks the scripted draws Elite and Random Colors see; every call that draws starts the
  // same script from its beginning, so the composer and the check see the same draws.
  std::uint32_t drawSeed = 0;
};

// Composes the case, reads the markup back and compares. Returns a description of the
// first mismatch, or the empty string when the round trip holds. Scripts the shared
// random generator while it runs and puts it back to its fixed start afterwards.
[[nodiscard]] std::string CheckRoundTrip(const RoundTripCase& roundTrip);

// The case as a reader would want it in a failure: the characters (non-ASCII as \uXXXX),
// the options by name, the effect, the target and the draws' seed.
[[nodiscard]] std::string Describe(const RoundTripCase& roundTrip);

}  // namespace bw::testing
