#pragma once

#include "engine/color.h"
#include "engine/text.h"

namespace bw {

[[nodiscard]] Text FadeText(TextView text, ColorRef start, ColorRef end);
[[nodiscard]] Text RandomColorText(TextView text);  // reseeds the shared generator
[[nodiscard]] Text AlternateColorText(TextView text, ColorRef first, ColorRef second);

}  // namespace bw
