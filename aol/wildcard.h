#pragma once
// The wildcard rule of the window finds: both sides upper-cased, the whole candidate must
// match; * (any run), ? (any one character), # (a digit), [list] and [!list] with ranges
// in the pattern only. The candidate's own * ? # [ are plain characters.
// Matches(u"Welcome, *", u"WELCOME, Ann!") == true; Matches(u"a#", u"a*") == false.
// A malformed pattern (a "[" without its "]", a range whose upper-cased ends are
// reversed) matches no candidate at all.

#include <optional>
#include <utility>
#include <vector>

#include "engine/text.h"

namespace bw {

// A pattern read once and matched against many candidates, as a walk over windows does.
// Matching costs at most the pattern's length times the candidate's, however many stars.
class WildcardPattern {
 public:
  // Nullopt for a malformed pattern.
  [[nodiscard]] static std::optional<WildcardPattern> Compile(TextView pattern);
  [[nodiscard]] bool Matches(TextView candidate) const;

 private:
  // One pattern position. Every kind but kRun consumes exactly one candidate character,
  // which is what lets the matcher get by with a single restart point.
  struct Token {
    enum class Kind { kRun, kAnyOne, kDigit, kList, kLiteral };
    Kind kind = Kind::kLiteral;
    char16_t literal = 0;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;
  };
  [[nodiscard]] static bool MatchesOne(const Token& token, char16_t c);

  std::vector<Token> tokens_;
};

[[nodiscard]] bool Matches(TextView pattern, TextView candidate);

}  // namespace bw
