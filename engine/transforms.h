#pragma once

#include "engine/text.h"

namespace bw {

[[nodiscard]] Text HackerText(TextView text);
[[nodiscard]] Text EliteText(TextView text);  // draws once per step from the shared generator
[[nodiscard]] Text SpacedText(TextView text);
[[nodiscard]] Text ReverseText(TextView text);

}  // namespace bw
