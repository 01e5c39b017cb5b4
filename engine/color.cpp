#include "engine/color.h"

namespace bw {

namespace {
void AppendHexByte(Text& out, int value) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  out.push_back(kDigits[(value >> 4) & 0xF]);
  out.push_back(kDigits[value & 0xF]);
}
}  // namespace

Text ColorToHex(ColorRef color) {
  Text out = u"#";
  AppendHexByte(out, RedOf(color));
  AppendHexByte(out, GreenOf(color));
  AppendHexByte(out, BlueOf(color));
  return out;
}

}  // namespace bw
