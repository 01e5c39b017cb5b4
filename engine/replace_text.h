#pragma once

#include "engine/text.h"

namespace bw {

// Replaces every occurrence of `find` in `text` by `replacement`, left to right and
// without overlaps. After each replacement the search resumes behind the inserted text,
// so a replacement that contains `find` is never searched again. With `matchCase` clear
// both sides are compared after the shared upper-case rule (which keeps positions);
// with it set, unit for unit. Lets pending events run once after every replacement and
// never when nothing is found. The three texts are copied before the first yield, so
// events that run meanwhile may change the caller's strings. Spaces, U+00A0 and markup
// are ordinary characters. An empty `text` gives the empty text; an empty `find` finds
// nothing and returns `text` unchanged (it would otherwise match everywhere, forever).
// ReplaceText(u"aaa", u"aa", u"b", true) == u"ba"
// ReplaceText(u"Hi BOB", u"bob", u"Al", false) == u"Hi Al"
[[nodiscard]] Text ReplaceText(TextView text, TextView find, TextView replacement, bool matchCase);

}  // namespace bw
