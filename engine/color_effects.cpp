#include "engine/color_effects.h"

#include <algorithm>

#include "engine/random.h"
#include "engine/yield.h"

namespace bw {

namespace {

// "<FONT COLOR=" + "#RRGGBB" + ">" + one character + "</FONT>"
constexpr TextView kOpen = u"<FONT COLOR=#000000>";
constexpr TextView kClose = u"</FONT>";
constexpr std::size_t kColorAt = 12;
static_assert(kOpen[kColorAt] == u'#');

bool OnlySpaces(TextView text) {
  return text.find_first_not_of(u' ') == TextView::npos;
}

std::size_t CountSpaces(CharacterView characters) {
  std::size_t spaces = 0;
  for (std::size_t i = 0; i < characters.size(); ++i) spaces += characters[i] == u" ";
  return spaces;
}

char16_t* Put(TextView piece, char16_t* at) {
  return std::copy(piece.begin(), piece.end(), at);
}

// The loop the three effects share. `nextColor(i)` gives the color of the non-space
// character at 0-based index i and is called for those characters only, left to right.
// The output is sized exactly up front and each element is written in place, since this
// runs once per character of texts that may be hundreds of thousands long.
template <typename NextColor>
Text ColorEach(CharacterView characters, NextColor nextColor) {
  const std::size_t elements = characters.size() - CountSpaces(characters);
  Text out(characters.Units().size() + (kOpen.size() + kClose.size()) * elements, u' ');
  char16_t* at = out.data();
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const TextView character = characters[i];
    if (character == u" ") {
      ++at;  // the buffer already holds the space
      continue;
    }
    char16_t* const element = at;
    at = Put(kOpen, at);
    WriteColorHex(nextColor(i), element + kColorAt);
    // Most characters are one unit, and a single store beats a copy of unknown length.
    if (character.size() == 1) {
      *at++ = character[0];
    } else {
      at = Put(character, at);
    }
    at = Put(kClose, at);
  }
  return out;
}

// Draws lie in [0, 1), so truncation is the whole part; the clamp guards scripted draws.
int RandomChannel(RandomGenerator& random) {
  return std::clamp(static_cast<int>(random.Next() * 256), 0, 255);
}

}  // namespace

Text FadeText(CharacterView characters, ColorRef start, ColorRef end) {
  if (OnlySpaces(characters.Units())) return Text();
  // The yields below may run code that rewrites the caller's buffers: work on a copy.
  const CharacterText source(characters);
  const std::size_t spaces = CountSpaces(source.View());
  for (std::size_t i = 0; i < spaces; ++i) LetPendingEventsRun();
  const auto count = static_cast<long long>(source.View().size() - spaces);
  const long long divisor = count - 1 > 0 ? count - 1 : 1;
  const int step[3] = {static_cast<int>((RedOf(end) - RedOf(start)) / divisor),
                       static_cast<int>((GreenOf(end) - GreenOf(start)) / divisor),
                       static_cast<int>((BlueOf(end) - BlueOf(start)) / divisor)};
  int color[3] = {RedOf(start), GreenOf(start), BlueOf(start)};
  return ColorEach(source.View(), [&](std::size_t i) {
    for (int ch = 0; ch < 3; ++ch) {
      // The advance is skipped by position: only the character at position 1 keeps the
      // start color, so a text that begins with a space starts one step on.
      if (i != 0) color[ch] += step[ch];
      color[ch] = std::clamp(color[ch], 0, 255);
    }
    return MakeColorRef(color[0], color[1], color[2]);
  });
}

Text RandomColorText(CharacterView characters) {
  return RandomColorText(characters, SharedRandom());
}

Text RandomColorText(CharacterView characters, RandomGenerator& random) {
  if (OnlySpaces(characters.Units())) return Text();
  random.ReseedFromClock();
  return ColorEach(characters, [&random](std::size_t) {
    const int red = RandomChannel(random);
    const int green = RandomChannel(random);
    const int blue = RandomChannel(random);
    return MakeColorRef(red, green, blue);
  });
}

Text AlternateColorText(CharacterView characters, ColorRef first, ColorRef second) {
  if (OnlySpaces(characters.Units())) return Text();
  bool useSecond = true;
  return ColorEach(characters, [&](std::size_t) {
    const ColorRef color = useSecond ? second : first;
    useSecond = !useSecond;
    return color;
  });
}

Text FadeText(TextView text, ColorRef start, ColorRef end) {
  return FadeText(CharacterView(text), start, end);
}

Text RandomColorText(TextView text) {
  return RandomColorText(CharacterView(text));
}

Text AlternateColorText(TextView text, ColorRef first, ColorRef second) {
  return AlternateColorText(CharacterView(text), first, second);
}

}  // namespace bw
