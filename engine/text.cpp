#include "engine/text.h"

namespace bw {

char16_t UpperChar(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  // Latin-1 lower case letters sit 0x20 above their capitals; U+00F7 (division sign)
  // and U+00FF (y-diaeresis, whose capital lives in Latin Extended-A) break the run.
  if ((c >= 0x00E0 && c <= 0x00F6) || (c >= 0x00F8 && c <= 0x00FE)) {
    return static_cast<char16_t>(c - 0x20);
  }
  switch (c) {
    case 0x0161:
      return 0x0160;  // s caron
    case 0x017E:
      return 0x017D;  // z caron
    case 0x0153:
      return 0x0152;  // oe
    case 0x00FF:
      return 0x0178;  // y diaeresis
    default:
      return c;
  }
}

Text UpperCase(TextView text) {
  Text result(text);
  for (char16_t& c : result) c = UpperChar(c);
  return result;
}

Text TrimSpaces(TextView text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return Text();
  const auto last = text.find_last_not_of(u' ');
  return Text(text.substr(first, last - first + 1));
}

}  // namespace bw
