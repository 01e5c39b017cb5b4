// The window-title wildcard matcher against a backtracking reading of the pattern text,
// memoised so the reference itself stays polynomial. Inputs past the reference's size
// still go through the matcher alone: its cost is bounded by pattern times candidate, so
// libFuzzer's -timeout turns any blow-up into a finding.
// Input: pattern and candidate between NULs, read leniently.

#include <optional>
#include <vector>

#include "aol/wildcard.h"
#include "fuzz/fuzz_support.h"

namespace bw {
namespace {

constexpr std::size_t kReferenceLimit = 256;

class Reference {
 public:
  Reference(TextView pattern, TextView candidate)
      : p_(UpperCase(pattern)),
        c_(UpperCase(candidate)),
        memo_((p_.size() + 1) * (c_.size() + 1), kUnknown) {}

  bool Matches() { return WellFormed() && From(0, 0); }

 private:
  static constexpr signed char kUnknown = -1;

  // A "[" needs a "]" after it, and no range in the list may run backwards; whether the
  // match would have failed before reaching them does not matter.
  bool WellFormed() const {
    for (std::size_t i = 0; i < p_.size(); ++i) {
      if (p_[i] != u'[') continue;
      const std::size_t close = p_.find(u']', i + 1);
      if (close == Text::npos) return false;
      bool ok = true;
      ForEachRange(i, close, [&](char16_t low, char16_t high) { ok = ok && low <= high; });
      if (!ok) return false;
      i = close;
    }
    return true;
  }

  // The ranges of the list between p_[open] == '[' and p_[close] == ']', a lone
  // character as a range of one; a leading "!" is left to the caller.
  template <typename F>
  void ForEachRange(std::size_t open, std::size_t close, F f) const {
    std::size_t j = open + 1;
    if (j < close && p_[j] == u'!') ++j;
    while (j < close) {
      if (j + 2 < close && p_[j + 1] == u'-') {
        f(p_[j], p_[j + 2]);
        j += 3;
      } else {
        f(p_[j], p_[j]);
        j += 1;
      }
    }
  }

  bool InList(std::size_t open, std::size_t close, char16_t c) const {
    bool listed = false;
    ForEachRange(open, close,
                 [&](char16_t low, char16_t high) { listed = listed || (c >= low && c <= high); });
    const bool negated = open + 1 < close && p_[open + 1] == u'!';
    return listed != negated;
  }

  bool From(std::size_t pi, std::size_t ci) {
    signed char& known = memo_[pi * (c_.size() + 1) + ci];
    if (known == kUnknown) known = Compute(pi, ci);
    return known;
  }

  bool Compute(std::size_t pi, std::size_t ci) {
    if (pi == p_.size()) return ci == c_.size();
    if (p_[pi] == u'*') return From(pi + 1, ci) || (ci < c_.size() && From(pi, ci + 1));
    if (ci == c_.size()) return false;
    const char16_t c = c_[ci];
    switch (p_[pi]) {
      case u'?':
        return From(pi + 1, ci + 1);
      case u'#':
        return c >= u'0' && c <= u'9' && From(pi + 1, ci + 1);
      case u'[': {
        const std::size_t close = p_.find(u']', pi + 1);
        return InList(pi, close, c) && From(close + 1, ci + 1);
      }
      default:
        return p_[pi] == c && From(pi + 1, ci + 1);
    }
  }

  Text p_, c_;
  std::vector<signed char> memo_;
};

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  const auto pieces = fuzz::SplitAtNul(fuzz::AsBytes(data, size), 2);
  const Text pattern = fuzz::LenientText(pieces[0]);
  const Text candidate = pieces.size() > 1 ? fuzz::LenientText(pieces[1]) : Text();

  const bool matched = Matches(pattern, candidate);
  BW_FUZZ_CHECK(Matches(pattern, UpperCase(candidate)) == matched);
  if (pattern.size() <= kReferenceLimit && candidate.size() <= kReferenceLimit) {
    BW_FUZZ_CHECK(Reference(pattern, candidate).Matches() == matched);
  }
  // The candidate's own wildcard characters are plain, so a text free of the pattern's
  // special characters matches itself.
  if (candidate.find_first_of(u"*?#[") == Text::npos) {
    BW_FUZZ_CHECK(Matches(candidate, candidate));
  }
  return 0;
}
