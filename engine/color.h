#pragma once
// Colors as 0x00BBGGRR values: red in the lowest byte. The top byte plays no part.

#include <cstdint>

#include "engine/text.h"

namespace bw {

using ColorRef = std::uint32_t;

[[nodiscard]] constexpr int RedOf(ColorRef v) {
  return static_cast<int>(v & 0xFF);
}
[[nodiscard]] constexpr int GreenOf(ColorRef v) {
  return static_cast<int>((v >> 8) & 0xFF);
}
[[nodiscard]] constexpr int BlueOf(ColorRef v) {
  return static_cast<int>((v >> 16) & 0xFF);
}

// Channels in 0..255 back into a ColorRef.
[[nodiscard]] constexpr ColorRef MakeColorRef(int red, int green, int blue) {
  return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
         (static_cast<ColorRef>(blue) << 16);
}

// The color text of the markup: "#" and red, green, blue as two upper-case hex digits
// each, red first although it is the lowest byte. ColorToHex(0x0080FF) == u"#FF8000"
[[nodiscard]] Text ColorToHex(ColorRef color);

// The same seven units written in place, for the effects that color every character of
// a long text. WriteColorHex(0x0080FF, out) leaves u"#FF8000" in out[0..6].
constexpr void WriteColorHex(ColorRef color, char16_t* out) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  const int channels[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
  *out++ = u'#';
  for (int channel : channels) {
    *out++ = kDigits[channel >> 4];
    *out++ = kDigits[channel & 0xF];
  }
}

}  // namespace bw
