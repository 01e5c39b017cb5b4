#pragma once

#include "engine/text.h"

namespace bw {

[[nodiscard]] Text WavesText(TextView text);
[[nodiscard]] Text GrowShrinkText(TextView text);

}  // namespace bw
