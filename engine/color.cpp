#include "engine/color.h"

namespace bw {

Text ColorToHex(ColorRef color) {
  Text out(7, u'#');
  WriteColorHex(color, out.data());
  return out;
}

}  // namespace bw
