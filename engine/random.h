#pragma once
// The process-wide random generator shared by the Elite transform and Random Colors.
// It starts from a fixed state, so a fresh process repeats its Elite choices: a linear
// congruential generator over 24 bits, x = (x * 0x43FD43FD + 0xC39EC3) mod 2^24, from
// x = 0x50000; each draw advances x and returns x / 2^24. The first three draws of a run
// are 0.7055475..., 0.5334240..., 0.5795186...

#include <cstdint>
#include <functional>

namespace bw {

// A uniform draw in [0, 1) that advances the shared state.
[[nodiscard]] double NextRandom();

// Moves the shared state to a value taken from the clock. Random Colors calls it on every
// use; nothing else does, so Elite alone keeps the fixed sequence of a fresh run.
void ReseedRandomFromClock();

// Test seam. While a source is set, NextRandom returns its draws instead of the shared
// generator's (reseeding still moves the generator underneath); an empty function
// restores the generator. ResetRandomForTesting puts the state back to its fixed start.
// While a clock is set, ReseedRandomFromClock reads its ticks instead of the steady clock's.
using RandomSource = std::function<double()>;
using ClockSource = std::function<std::uint64_t()>;
void SetRandomSourceForTesting(RandomSource source);
void SetClockForTesting(ClockSource clock);
void ResetRandomForTesting();

}  // namespace bw
