#include "aol/toolkit.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bw {

namespace {

constexpr int kClassBufferBytes = 255;

// One pattern position. Every kind but kRun consumes exactly one candidate character,
// which is what lets the matcher below get by with a single restart point.
struct PatternToken {
  enum class Kind { kRun, kAnyOne, kDigit, kList, kLiteral };
  Kind kind = Kind::kLiteral;
  char16_t literal = 0;
  bool negated = false;
  std::vector<std::pair<char16_t, char16_t>> ranges;
};

// Nullopt for a malformed pattern: a "[" with no "]" after it, or a range whose ends
// are reversed. Inside a list, "*", "?" and "#" are ordinary characters, and a "-" that
// does not stand between two characters is one as well.
std::optional<std::vector<PatternToken>> ParsePattern(TextView pattern) {
  std::vector<PatternToken> tokens;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    PatternToken token;
    switch (pattern[i]) {
      case u'*':
        token.kind = PatternToken::Kind::kRun;
        break;
      case u'?':
        token.kind = PatternToken::Kind::kAnyOne;
        break;
      case u'#':
        token.kind = PatternToken::Kind::kDigit;
        break;
      case u'[': {
        const std::size_t close = pattern.find(u']', i + 1);
        if (close == TextView::npos) return std::nullopt;
        TextView list = pattern.substr(i + 1, close - i - 1);
        token.kind = PatternToken::Kind::kList;
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
    tokens.push_back(std::move(token));
  }
  return tokens;
}

bool MatchesOne(const PatternToken& token, char16_t c) {
  switch (token.kind) {
    case PatternToken::Kind::kAnyOne:
      return true;
    case PatternToken::Kind::kDigit:
      return c >= u'0' && c <= u'9';
    case PatternToken::Kind::kList: {
      const bool listed = std::any_of(token.ranges.begin(), token.ranges.end(),
                                      [c](const auto& r) { return c >= r.first && c <= r.second; });
      return listed != token.negated;
    }
    case PatternToken::Kind::kLiteral:
      return c == token.literal;
    case PatternToken::Kind::kRun:
      break;
  }
  return false;
}

// Both sides already upper-cased. On a mismatch the most recent "*" takes one more
// character and matching resumes after it; earlier stars never need revisiting, so the
// cost stays at pattern length times candidate length however many stars there are.
bool MatchesTokens(const std::vector<PatternToken>& tokens, TextView candidate) {
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t p = 0;
  std::size_t c = 0;
  std::size_t starToken = kNone;
  std::size_t starCandidate = 0;
  while (c < candidate.size()) {
    if (p < tokens.size() && tokens[p].kind == PatternToken::Kind::kRun) {
      starToken = p++;
      starCandidate = c;
    } else if (p < tokens.size() && MatchesOne(tokens[p], candidate[c])) {
      ++p;
      ++c;
    } else if (starToken != kNone) {
      p = starToken + 1;
      c = ++starCandidate;
    } else {
      return false;
    }
  }
  while (p < tokens.size() && tokens[p].kind == PatternToken::Kind::kRun) ++p;
  return p == tokens.size();
}

// The walk both finds share: direct children in sibling order, first match wins.
template <typename Read>
WindowHandle FindChild(WindowApi& api, WindowHandle parent, TextView pattern, Read read) {
  if (parent == 0) return 0;
  const auto tokens = ParsePattern(UpperCase(pattern));
  if (!tokens) return 0;
  WindowHandle child = api.FirstChild(parent);
  for (int visited = 0; child != 0 && visited < kMaxSiblingWalk; ++visited) {
    if (MatchesTokens(*tokens, UpperCase(read(api, child)))) return child;
    child = api.NextSibling(child);
  }
  return 0;
}

std::string CutAtNul(std::string buffer) {
  const auto nul = buffer.find('\0');
  if (nul != std::string::npos) buffer.resize(nul);
  return buffer;
}

}  // namespace

Text GetText(WindowApi& api, WindowHandle window) {
  if (window == 0) return Text();
  const long length = std::clamp(api.TextLength(window), 0L, kMaxWindowTextBytes);
  // One byte beyond the announced length holds the NUL the window writes last.
  std::string buffer(static_cast<std::size_t>(length) + 1, ' ');
  api.CopyText(window, buffer.data(), static_cast<int>(length) + 1);
  buffer.resize(static_cast<std::size_t>(length));
  return api.FromAnsi(CutAtNul(std::move(buffer)));
}

Text GetClass(WindowApi& api, WindowHandle window) {
  std::string buffer(kClassBufferBytes, ' ');
  if (window != 0) api.ClassName(window, buffer.data(), kClassBufferBytes);
  return api.FromAnsi(CutAtNul(std::move(buffer)));
}

void SetText(WindowApi& api, WindowHandle window, TextView text) {
  if (window == 0) return;
  const std::string bytes = api.ToAnsi(text);
  api.WriteText(window, bytes.c_str());
}

void ClickIcon(WindowApi& api, WindowHandle window) {
  if (window == 0) return;
  api.ButtonDown(window);
  api.ButtonUp(window);
}

WindowHandle FindChildByTitle(WindowApi& api, WindowHandle parent, TextView pattern) {
  return FindChild(api, parent, pattern, GetText);
}

WindowHandle FindChildByClass(WindowApi& api, WindowHandle parent, TextView pattern) {
  return FindChild(api, parent, pattern, GetClass);
}

void StayOnTop(WindowApi& api, WindowHandle window, int onTop) {
  if (window == 0) return;
  api.SetTopmost(window, onTop != 0);
}

bool Matches(TextView pattern, TextView candidate) {
  const auto tokens = ParsePattern(UpperCase(pattern));
  return tokens && MatchesTokens(*tokens, UpperCase(candidate));
}

}  // namespace bw
