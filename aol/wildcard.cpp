#include "aol/wildcard.h"

#include <algorithm>

namespace bw {

// Inside a list, "*", "?" and "#" are ordinary characters, and a "-" that does not stand
// between two characters is one as well.
std::optional<WildcardPattern> WildcardPattern::Compile(TextView text) {
  const Text pattern = UpperCase(text);
  WildcardPattern compiled;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    Token token;
    switch (pattern[i]) {
      case u'*':
        token.kind = Token::Kind::kRun;
        break;
      case u'?':
        token.kind = Token::Kind::kAnyOne;
        break;
      case u'#':
        token.kind = Token::Kind::kDigit;
        break;
      case u'[': {
        const std::size_t close = pattern.find(u']', i + 1);
        if (close == Text::npos) return std::nullopt;
        TextView list = TextView(pattern).substr(i + 1, close - i - 1);
        token.kind = Token::Kind::kList;
        if (!list.empty() && list.front() == u'!') {
          token.negated = true;
          list.remove_prefix(1);
        }
        for (std::size_t j = 0; j < list.size(); ++j) {
          if (j + 2 < list.size() && list[j + 1] == u'-') {
            if (list[j] > list[j + 2]) return std::nullopt;
            token.ranges.emplace_back(list[j], list[j + 2]);
            j += 2;
          } else {
            token.ranges.emplace_back(list[j], list[j]);
          }
        }
        i = close;
        break;
      }
      default:
        token.literal = pattern[i];
        break;
    }
    compiled.tokens_.push_back(std::move(token));
  }
  return compiled;
}

bool WildcardPattern::MatchesOne(const Token& token, char16_t c) {
  switch (token.kind) {
    case Token::Kind::kAnyOne:
      return true;
    case Token::Kind::kDigit:
      return c >= u'0' && c <= u'9';
    case Token::Kind::kList: {
      const bool listed = std::any_of(token.ranges.begin(), token.ranges.end(),
                                      [c](const auto& r) { return c >= r.first && c <= r.second; });
      return listed != token.negated;
    }
    case Token::Kind::kLiteral:
      return c == token.literal;
    case Token::Kind::kRun:
      break;
  }
  return false;
}

// On a mismatch the most recent "*" takes one more character and matching resumes after
// it; earlier stars never need revisiting.
bool WildcardPattern::Matches(TextView text) const {
  const Text candidate = UpperCase(text);
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t p = 0;
  std::size_t c = 0;
  std::size_t starToken = kNone;
  std::size_t starCandidate = 0;
  while (c < candidate.size()) {
    if (p < tokens_.size() && tokens_[p].kind == Token::Kind::kRun) {
      starToken = p++;
      starCandidate = c;
    } else if (p < tokens_.size() && MatchesOne(tokens_[p], candidate[c])) {
      ++p;
      ++c;
    } else if (starToken != kNone) {
      p = starToken + 1;
      c = ++starCandidate;
    } else {
      return false;
    }
  }
  while (p < tokens_.size() && tokens_[p].kind == Token::Kind::kRun) ++p;
  return p == tokens_.size();
}

bool Matches(TextView pattern, TextView candidate) {
  const auto compiled = WildcardPattern::Compile(pattern);
  return compiled && compiled->Matches(candidate);
}

}  // namespace bw
