#include "engine/random.h"

#include <chrono>
#include <cstdint>
#include <utility>

namespace bw {

namespace {
constexpr std::uint32_t kMask = 0xFFFFFF;    // 24 bits of state
constexpr double kScale = 1.0 / 16777216.0;  // 2^-24, exact

RandomSource g_scripted;
ClockSource g_clock;
}  // namespace

double RandomGenerator::Next() {
  if (g_scripted) return g_scripted();
  // Unsigned 32-bit wrap-around keeps the low 24 bits exact, which is all the state holds.
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & kMask;
  return static_cast<double>(state_) * kScale;
}

void RandomGenerator::ReseedFromClock() {
  const auto ticks =
      g_clock
          ? g_clock()
          : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  // Fold every bit of the tick count in, so calls a moment apart start apart.
  state_ = static_cast<std::uint32_t>(ticks ^ (ticks >> 24) ^ (ticks >> 48)) & kMask;
}

RandomGenerator& SharedRandom() {
  static RandomGenerator shared;
  return shared;
}

double NextRandom() {
  return SharedRandom().Next();
}

void ReseedRandomFromClock() {
  SharedRandom().ReseedFromClock();
}

void SetRandomSourceForTesting(RandomSource source) {
  g_scripted = std::move(source);
}

void SetClockForTesting(ClockSource clock) {
  g_clock = std::move(clock);
}

void ResetRandomForTesting() {
  SharedRandom() = RandomGenerator();
}

}  // namespace bw
