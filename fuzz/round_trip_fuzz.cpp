// The round trip from the writer to the reader (markup/round_trip_check.h): whatever the
// text and options, reading the composed markup gives back the transformed text with every
// character in the look its options ask for.
// Input: a byte of flags (bit 0 up: bold, italic, underline, strikeout, hacker, elite,
// spaced, backwards), a byte for the effect (low three bits, modulo six) and the target
// (bit 3: IM), twelve bytes of colors (red, green, blue of alt 1, alt 2, fade 1, fade 2),
// a byte that seeds the scripted draws, then the text, read leniently. A combining mark
// (U+0300 to U+036F) joins the character before it, a low surrogate the high one before
// it, a skin-tone modifier the emoji before it; every other unit is a character. Every
// ">" is dropped: a typed "<" and ">" make a tag, by design.

#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "markup/round_trip_check.h"

namespace bw {
namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

std::vector<Text> Characters(TextView units) {
  std::vector<Text> characters;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t c = units[i];
    if (c == u'>') continue;
    const bool mark = c >= 0x0300 && c <= 0x036F;
    const bool lowAfterHigh = c >= 0xDC00 && c <= 0xDFFF && !characters.empty() &&
                              IsHighSurrogate(characters.back().back());
    // U+1F3FB to U+1F3FF: the high surrogate joins now, its low one by the rule above.
    const bool skinTone =
        c == 0xD83C && i + 1 < units.size() && units[i + 1] >= 0xDFFB && units[i + 1] <= 0xDFFF;
    if (!characters.empty() && (mark || lowAfterHigh || skinTone)) {
      characters.back().push_back(c);
    } else {
      characters.emplace_back(1, c);
    }
  }
  return characters;
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  std::string_view bytes = fuzz::AsBytes(data, size);
  testing::RoundTripCase roundTrip;
  StyleOptions& options = roundTrip.options;
  fuzz::TakeComposition(bytes, options, roundTrip.target);
  roundTrip.drawSeed = fuzz::TakeByte(bytes);
  roundTrip.characters = Characters(fuzz::LenientText(bytes));

  const std::string mismatch = testing::CheckRoundTrip(roundTrip);
  if (!mismatch.empty()) {
    std::fprintf(stderr, "%s\n%s\n", testing::Describe(roundTrip).c_str(), mismatch.c_str());
  }
  BW_FUZZ_CHECK(mismatch.empty());
  return 0;
}
