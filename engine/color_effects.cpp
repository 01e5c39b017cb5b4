#include "engine/color_effects.h"

#include <algorithm>
#include <cstring>

#include "engine/random.h"
#include "engine/replace_text.h"

namespace bw {

namespace {

// "<FONT COLOR=" + "#RRGGBB" + ">" + one character + "</FONT>"
constexpr TextView kElement = u"<FONT COLOR=#000000>?</FONT>";
constexpr std::size_t kElementSize = 28;
constexpr std::size_t kColorAt = 12;
constexpr std::size_t kCharAt = 20;
static_assert(kElement.size() == kElementSize && kElement[kColorAt] == u'#' &&
              kElement[kCharAt] == u'?');

bool OnlySpaces(TextView text) {
  return text.find_first_not_of(u' ') == TextView::npos;
}

// The loop the three effects share. `nextColor(i)` gives the color of the non-space
// character at 0-based index i and is called for those characters only, left to right.
// The output is sized exactly up front and each element is patched in place, since this
// runs once per character of texts that may be hundreds of thousands long.
template <typename NextColor>
Text ColorEach(TextView text, NextColor nextColor) {
  const auto spaces = static_cast<std::size_t>(std::count(text.begin(), text.end(), u' '));
  Text out(spaces + kElementSize * (text.size() - spaces), u' ');
  char16_t* at = out.data();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u' ') {
      ++at;  // the buffer already holds the space
      continue;
    }
    std::memcpy(at, kElement.data(), kElementSize * sizeof(char16_t));
    WriteColorHex(nextColor(i), at + kColorAt);
    at[kCharAt] = text[i];
    at += kElementSize;
  }
  return out;
}

// Draws lie in [0, 1), so truncation is the whole part; the clamp guards scripted draws.
int RandomChannel() {
  return std::clamp(static_cast<int>(NextRandom() * 256), 0, 255);
}

}  // namespace

Text FadeText(TextView text, ColorRef start, ColorRef end) {
  if (OnlySpaces(text)) return Text();
  // The count below yields to pending events; work on an own copy from here on.
  const Text source(text);
  const auto count = static_cast<long long>(ReplaceText(source, u" ", u"", false).size());
  const long long divisor = count - 1 > 0 ? count - 1 : 1;
  const int step[3] = {static_cast<int>((RedOf(end) - RedOf(start)) / divisor),
                       static_cast<int>((GreenOf(end) - GreenOf(start)) / divisor),
                       static_cast<int>((BlueOf(end) - BlueOf(start)) / divisor)};
  int color[3] = {RedOf(start), GreenOf(start), BlueOf(start)};
  return ColorEach(source, [&](std::size_t i) {
    for (int ch = 0; ch < 3; ++ch) {
      // The advance is skipped by position: only the character at position 1 keeps the
      // start color, so a text that begins with a space starts one step on.
      if (i != 0) color[ch] += step[ch];
      color[ch] = std::clamp(color[ch], 0, 255);
    }
    return MakeColorRef(color[0], color[1], color[2]);
  });
}

Text RandomColorText(TextView text) {
  if (OnlySpaces(text)) return Text();
  ReseedRandomFromClock();
  return ColorEach(text, [](std::size_t) {
    const int red = RandomChannel();
    const int green = RandomChannel();
    const int blue = RandomChannel();
    return MakeColorRef(red, green, blue);
  });
}

Text AlternateColorText(TextView text, ColorRef first, ColorRef second) {
  if (OnlySpaces(text)) return Text();
  bool useSecond = true;
  return ColorEach(text, [&](std::size_t) {
    const ColorRef color = useSecond ? second : first;
    useSecond = !useSecond;
    return color;
  });
}

}  // namespace bw
