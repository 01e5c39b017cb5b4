#pragma once
// Where the characters a reader sees begin and end: Unicode's extended grapheme clusters,
// by the default rules, so an emoji with its modifiers and joiners, a flag or a letter
// with its combining marks is one character. The segmentation library lives here, in the
// native composer only; the engine takes the boundaries as given.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/text.h"

namespace bw::cli {

// The offset just past each cluster of `text`, rising, the last one text.size(); none for
// the empty text. A lone surrogate is a cluster of its own. Nullopt when the library
// cannot segment (its data missing, a text past 2^31 units); `error` then says why.
// GraphemeEnds(u"e\u0301\U0001F1EB\U0001F1F7x") == {2, 6, 7}
[[nodiscard]] std::optional<std::vector<std::size_t>> GraphemeEnds(TextView text,
                                                                   std::string& error);

}  // namespace bw::cli
