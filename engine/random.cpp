#include "engine/random.h"

#include <chrono>
#include <cstdint>
#include <utility>

namespace bw {

namespace {
constexpr std::uint32_t kStart = 0x50000;
constexpr std::uint32_t kMask = 0xFFFFFF;    // 24 bits of state
constexpr double kScale = 1.0 / 16777216.0;  // 2^-24, exact

std::uint32_t g_state = kStart;
RandomSource g_scripted;
ClockSource g_clock;
}  // namespace

double NextRandom() {
  if (g_scripted) return g_scripted();
  // Unsigned 32-bit wrap-around keeps the low 24 bits exact, which is all the state holds.
  g_state = (g_state * 0x43FD43FDu + 0xC39EC3u) & kMask;
  return static_cast<double>(g_state) * kScale;
}

void ReseedRandomFromClock() {
  const auto ticks =
      g_clock
          ? g_clock()
          : static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  // Fold every bit of the tick count in, so calls a moment apart start apart.
  g_state = static_cast<std::uint32_t>(ticks ^ (ticks >> 24) ^ (ticks >> 48)) & kMask;
}

void SetRandomSourceForTesting(RandomSource source) {
  g_scripted = std::move(source);
}

void SetClockForTesting(ClockSource clock) {
  g_clock = std::move(clock);
}

void ResetRandomForTesting() {
  g_state = kStart;
}

}  // namespace bw
