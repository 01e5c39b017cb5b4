#pragma once
// The process-wide random generator shared by the Elite transform and Random Colors.
// It starts from a fixed state, so a fresh process repeats its Elite choices.

#include <functional>

namespace bw {

[[nodiscard]] double NextRandom();  // uniform in [0, 1)
void ReseedRandomFromClock();

}  // namespace bw
