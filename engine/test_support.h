#pragma once

#include <algorithm>
#include <vector>

#include "engine/random.h"
#include "engine/text.h"
#include "engine/yield.h"

namespace bw::testing {

// Hands out `draws` in turn, repeating the last, and counts them; then restarts the real one.
struct ScriptedRandom {
  explicit ScriptedRandom(std::vector<double> draws) {
    SetRandomSourceForTesting([this, draws] { return draws[std::min(count++, draws.size() - 1)]; });
  }
  ~ScriptedRandom() { SetRandomSourceForTesting(nullptr), ResetRandomForTesting(); }
  std::size_t count = 0;
};

struct YieldCounter {
  YieldCounter() { count = 0, SetYieldHook(Count); }
  ~YieldCounter() { SetYieldHook(nullptr); }
  static void Count() { ++count; }
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

}  // namespace bw::testing
