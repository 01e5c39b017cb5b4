#pragma once
// The random generator that the Elite transform and Random Colors draw from. One shared
// generator serves every send: it starts from a fixed state, so a fresh process repeats its
// Elite choices: a linear congruential generator over 24 bits,
// x = (x * 0x43FD43FD + 0xC39EC3) mod 2^24, from x = 0x50000; each draw advances x and
// returns x / 2^24. The first three draws of a run are 0.7055475..., 0.5334240...,
// 0.5795186... A generator of its own (the main window's preview has one) draws the same
// way and leaves the shared one's sequence as it was.

#include <cstdint>
#include <functional>

namespace bw {

class RandomGenerator {
 public:
  // A uniform draw in [0, 1) that advances the state.
  [[nodiscard]] double Next();
  // Moves the state to a value taken from the clock. Random Colors calls it on every use;
  // nothing else does, so Elite alone keeps the fixed sequence of a fresh run.
  void ReseedFromClock();

 private:
  friend void ResetRandomForTesting();
  std::uint32_t state_ = 0x50000;
};

// The process-wide generator of every send.
[[nodiscard]] RandomGenerator& SharedRandom();

// The shared generator's draw and reseeding.
[[nodiscard]] double NextRandom();
void ReseedRandomFromClock();

// Test seam. While a source is set, every generator's draws come from it instead
// (reseeding still moves the state underneath); an empty function restores the generators.
// ResetRandomForTesting puts the shared state back to its fixed start. While a clock is
// set, reseeding reads its ticks instead of the steady clock's.
using RandomSource = std::function<double()>;
using ClockSource = std::function<std::uint64_t()>;
void SetRandomSourceForTesting(RandomSource source);
void SetClockForTesting(ClockSource clock);
void ResetRandomForTesting();

}  // namespace bw
