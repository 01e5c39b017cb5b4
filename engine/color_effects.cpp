#include "engine/color_effects.h"

#include <algorithm>
#include <cmath>

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

bool OnlySpaces(TextView text) { return text.find_first_not_of(u' ') == TextView::npos; }

Text Reserved(TextView text) {
  Text out;
  out.reserve(text.size() * kElementSize);
  return out;
}

// Patches the color and the character into one element and appends it whole: these
// loops run once per character of texts that may be hundreds of thousands long.
void AppendColored(Text& out, ColorRef color, char16_t c) {
  char16_t element[kElementSize];
  kElement.copy(element, kElementSize);
  WriteColorHex(color, element + kColorAt);
  element[kCharAt] = c;
  out.append(element, kElementSize);
}

int RandomChannel() {
  return std::clamp(static_cast<int>(std::floor(NextRandom() * 256)), 0, 255);
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

  Text out = Reserved(source);
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] == u' ') {
      out.push_back(u' ');
      continue;
    }
    for (int ch = 0; ch < 3; ++ch) {
      if (i != 0) color[ch] += step[ch];
      color[ch] = std::clamp(color[ch], 0, 255);
    }
    AppendColored(out, MakeColorRef(color[0], color[1], color[2]), source[i]);
  }
  return out;
}

Text RandomColorText(TextView text) {
  if (OnlySpaces(text)) return Text();
  ReseedRandomFromClock();
  Text out = Reserved(text);
  for (char16_t c : text) {
    if (c == u' ') {
      out.push_back(u' ');
      continue;
    }
    const int red = RandomChannel();
    const int green = RandomChannel();
    const int blue = RandomChannel();
    AppendColored(out, MakeColorRef(red, green, blue), c);
  }
  return out;
}

Text AlternateColorText(TextView text, ColorRef first, ColorRef second) {
  if (OnlySpaces(text)) return Text();
  Text out = Reserved(text);
  bool useSecond = true;
  for (char16_t c : text) {
    if (c == u' ') {
      out.push_back(u' ');
      continue;
    }
    AppendColored(out, useSecond ? second : first, c);
    useSecond = !useSecond;
  }
  return out;
}

}  // namespace bw
