#include "engine/characters.h"

#include <numeric>

namespace bw {

void CharacterText::AppendWithEnd(TextView character) {
  if (character.empty()) return;
  if (ends_.empty()) {
    // The first character of several units: every one before it was a single unit.
    ends_.resize(text_.size());
    std::iota(ends_.begin(), ends_.end(), std::size_t{1});
  }
  text_.append(character);
  ends_.push_back(text_.size());
}

void CharacterText::AppendEach(TextView units) {
  if (ends_.empty()) {
    text_.append(units);
    return;
  }
  for (std::size_t i = 0; i < units.size(); ++i) Append(units.substr(i, 1));
}

}  // namespace bw
