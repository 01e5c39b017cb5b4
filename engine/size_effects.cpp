#include "engine/size_effects.h"

#include <array>

namespace bw {

namespace {
// The piece at a 0-based index: one character, or nothing past the end of the text.
TextView PieceAt(TextView text, std::size_t i) {
  return i < text.size() ? text.substr(i, 1) : TextView();
}
}  // namespace

Text WavesText(TextView text) {
  Text out;
  out.reserve(text.size() * 7 + 11);  // half the characters gain "<SUP></SUP>"/"<SUB></SUB>"
  for (std::size_t p = 0; p < text.size(); p += 4) {
    const TextView raised = PieceAt(text, p);
    const TextView lowered = PieceAt(text, p + 2);
    if (raised == u" ") {
      out.push_back(u' ');
    } else {
      out.append(u"<SUP>").append(raised).append(u"</SUP>");
    }
    out.append(PieceAt(text, p + 1));
    if (lowered == u" ") {
      out.push_back(u' ');
    } else {
      out.append(u"<SUB>").append(lowered).append(u"</SUB>");
    }
    out.append(PieceAt(text, p + 3));
  }
  return out;
}

Text GrowShrinkText(TextView text) {
  static constexpr std::array<TextView, 6> kSizeTags = {u"<FONT SIZE=4>", u"<FONT SIZE=3>",
                                                        u"<FONT SIZE=2>", u"<FONT SIZE=1>",
                                                        u"<FONT SIZE=2>", u"<FONT SIZE=3>"};
  Text out;
  out.reserve(text.size() * 14 + 5 * 13);
  for (std::size_t p = 0; p < text.size(); p += kSizeTags.size()) {
    for (std::size_t k = 0; k < kSizeTags.size(); ++k) {
      const TextView piece = PieceAt(text, p + k);
      if (piece == u" ") {
        out.push_back(u' ');
      } else {
        out.append(kSizeTags[k]).append(piece);
      }
    }
  }
  return out;
}

}  // namespace bw
