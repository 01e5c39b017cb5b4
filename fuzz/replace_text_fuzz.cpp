// ReplaceText against the plainest left-to-right scan, with the yield hook counting the
// replacements and scribbling over the caller's strings on every yield, which the
// function must not notice.
// Input: one byte (bit 0: match case), then text, find and replacement between NULs.

#include <algorithm>

#include "engine/replace_text.h"
#include "engine/yield.h"
#include "fuzz/fuzz_support.h"

namespace bw {
namespace {

struct Reference {
  Text result;
  int replacements = 0;
};

Reference NaiveReplace(TextView text, TextView find, TextView replacement, bool matchCase) {
  Reference ref;
  if (find.empty()) return {Text(text), 0};
  const auto same = [&](char16_t a, char16_t b) {
    return matchCase ? a == b : UpperChar(a) == UpperChar(b);
  };
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.size() - i >= find.size() &&
        std::equal(find.begin(), find.end(), text.begin() + static_cast<std::ptrdiff_t>(i), same)) {
      ref.result += replacement;
      ++ref.replacements;
      i += find.size();
    } else {
      ref.result += text[i++];
    }
  }
  return ref;
}

int g_yields = 0;
Text* g_callerStrings[3] = {};

// Overwrites what the caller passed in place, so the views stay valid but read garbage.
void ScribbleOnYield() {
  ++g_yields;
  for (Text* s : g_callerStrings) std::fill(s->begin(), s->end(), u'\u2603');
}

}  // namespace
}  // namespace bw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bw;
  std::string_view bytes = fuzz::AsBytes(data, size);
  const bool matchCase = fuzz::TakeByte(bytes) & 1;
  const auto pieces = fuzz::SplitAtNul(bytes, 3);
  Text text = fuzz::LenientText(pieces[0]);
  Text find = pieces.size() > 1 ? fuzz::LenientText(pieces[1]) : Text();
  Text replacement = pieces.size() > 2 ? fuzz::LenientText(pieces[2]) : Text();
  // The reference compares at every position; keep it quick.
  if (text.size() * std::max<std::size_t>(find.size(), 1) > (1u << 16)) return 0;

  const Reference expected = NaiveReplace(text, find, replacement, matchCase);
  g_yields = 0;
  g_callerStrings[0] = &text, g_callerStrings[1] = &find, g_callerStrings[2] = &replacement;
  SetYieldHook(ScribbleOnYield);
  const Text result = ReplaceText(text, find, replacement, matchCase);
  SetYieldHook(nullptr);
  BW_FUZZ_CHECK(result == expected.result);
  BW_FUZZ_CHECK(g_yields == expected.replacements);
  return 0;
}
