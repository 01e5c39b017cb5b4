#pragma once

#include "engine/text.h"

namespace bw {

// Replaces every occurrence of `find` (non-empty) left to right, resuming behind each
// inserted replacement; lets pending events run once after every replacement.
[[nodiscard]] Text ReplaceText(TextView text, TextView find, TextView replacement,
                               bool matchCase);

}  // namespace bw
