#include "engine/size_effects.h"

#include <array>

namespace bw {

namespace {
// The piece at a 0-based index: one character, or nothing past the end of the text.
TextView PieceAt(CharacterView characters, std::size_t i) {
  return i < characters.size() ? characters[i] : TextView();
}
}  // namespace

Text WavesText(CharacterView characters) {
  Text out;
  // Half the characters gain "<SUP></SUP>" or "<SUB></SUB>".
  out.reserve(characters.Units().size() + characters.size() * 6 + 11);
  for (std::size_t p = 0; p < characters.size(); p += 4) {
    const TextView raised = PieceAt(characters, p);
    const TextView lowered = PieceAt(characters, p + 2);
    if (raised == u" ") {
      out.push_back(u' ');
    } else {
      out.append(u"<SUP>").append(raised).append(u"</SUP>");
    }
    out.append(PieceAt(characters, p + 1));
    if (lowered == u" ") {
      out.push_back(u' ');
    } else {
      out.append(u"<SUB>").append(lowered).append(u"</SUB>");
    }
    out.append(PieceAt(characters, p + 3));
  }
  return out;
}

Text GrowShrinkText(CharacterView characters) {
  static constexpr std::array<TextView, 6> kSizeTags = {u"<FONT SIZE=4>", u"<FONT SIZE=3>",
                                                        u"<FONT SIZE=2>", u"<FONT SIZE=1>",
                                                        u"<FONT SIZE=2>", u"<FONT SIZE=3>"};
  Text out;
  out.reserve(characters.Units().size() + characters.size() * 13 + 5 * 13);
  for (std::size_t p = 0; p < characters.size(); p += kSizeTags.size()) {
    for (std::size_t k = 0; k < kSizeTags.size(); ++k) {
      const TextView piece = PieceAt(characters, p + k);
      if (piece == u" ") {
        out.push_back(u' ');
      } else {
        out.append(kSizeTags[k]).append(piece);
      }
    }
  }
  return out;
}

Text WavesText(TextView text) {
  return WavesText(CharacterView(text));
}

Text GrowShrinkText(TextView text) {
  return GrowShrinkText(CharacterView(text));
}

}  // namespace bw
