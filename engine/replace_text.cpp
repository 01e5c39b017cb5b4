#include "engine/replace_text.h"

#include <cstddef>
#include <vector>

#include "engine/yield.h"

namespace bw {

Text ReplaceText(TextView text, TextView find, TextView replacement, bool matchCase) {
  // Own copies first: the yields below may run code that rewrites the caller's buffers.
  const Text source(text);
  const Text needle = matchCase ? Text(find) : UpperCase(find);
  const Text insert(replacement);
  if (needle.empty()) return source;
  // The upper-case rule maps one unit to one unit, so indices into the folded copy are
  // indices into the source.
  const Text folded = matchCase ? Text() : UpperCase(source);
  const TextView haystack = matchCase ? TextView(source) : TextView(folded);

  // Knuth-Morris-Pratt keeps the search linear whatever `find` looks like: border[i] is
  // the length of the longest proper prefix of needle[0..i] that is also its suffix.
  std::vector<std::size_t> border(needle.size(), 0);
  for (std::size_t i = 1, k = 0; i < needle.size(); ++i) {
    while (k > 0 && needle[i] != needle[k]) k = border[k - 1];
    if (needle[i] == needle[k]) ++k;
    border[i] = k;
  }

  Text result;
  result.reserve(source.size());
  std::size_t copied = 0;   // source[0, copied) is already in the result
  std::size_t matched = 0;  // units of the needle matched so far
  for (std::size_t i = 0; i < haystack.size(); ++i) {
    while (matched > 0 && haystack[i] != needle[matched]) matched = border[matched - 1];
    if (haystack[i] == needle[matched]) ++matched;
    if (matched < needle.size()) continue;
    const std::size_t start = i + 1 - needle.size();
    result.append(source, copied, start - copied);
    result.append(insert);
    copied = i + 1;
    // Starting over from nothing resumes the search just behind the replaced occurrence,
    // which in the rebuilt text is just behind the inserted replacement.
    matched = 0;
    LetPendingEventsRun();
  }
  result.append(source, copied);
  return result;
}

}  // namespace bw
