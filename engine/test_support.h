#pragma once
// Test doubles for the engine's tests: scripted draws in place of the shared generator, a
// counter on the yield hook, and helpers for markup properties.

#include <cstddef>
#include <vector>

#include "engine/random.h"
#include "engine/text.h"
#include "engine/yield.h"

namespace bw::testing {

// Hands out `draws` in turn, repeating the last, and counts them; on leaving scope the
// real generator is back, at its fixed start.
struct ScriptedRandom {
  explicit ScriptedRandom(std::vector<double> draws) {
    SetRandomSourceForTesting([this, draws] { return draws[std::min(count++, draws.size() - 1)]; });
  }
  ~ScriptedRandom() {
    SetRandomSourceForTesting(nullptr);
    ResetRandomForTesting();
  }
  ScriptedRandom(const ScriptedRandom&) = delete;
  std::size_t count = 0;
};

// Counts the yields made while it lives.
struct YieldCounter {
  YieldCounter() {
    count = 0, SetYieldHook([] { ++count; });
  }
  ~YieldCounter() { SetYieldHook(nullptr); }
  static inline int count = 0;
};

// Drops every "<...>"; for a text without "<" this undoes any color or size effect.
inline Text StripTags(TextView markup) {
  Text plain;
  bool inTag = false;
  for (char16_t c : markup) {
    inTag = inTag || c == u'<';
    if (!inTag) plain.push_back(c);
    inTag = inTag && c != u'>';
  }
  return plain;
}

// `length` units cycling through letters, spaces, U+00A0, Elite sequences and a pair.
inline Text SampleText(std::size_t length) {
  static constexpr TextView kUnits = u"Hi al\u00a0oe 1/4\xd83d\xde00 TM-y|";
  Text text(length, u' ');
  for (std::size_t i = 0; i < length; ++i) text[i] = kUnits[i % kUnits.size()];
  return text;
}

}  // namespace bw::testing
