// The composer's whole line, from UTF-8 in to markup out, over texts whose characters are
// emoji of two to eight units each, beside plain text of one unit a character. Each case
// runs at 32,767 characters and at eight times that; linear work shows as roughly eight
// times the time. Each runs five times and reports the fastest beside the median too: on a
// machine shared with other work the fastest run is the one least disturbed.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "cli/compose_line.h"

namespace {

// `count` characters, taken in turn from `characters`.
std::string Line(std::span<const std::string_view> characters, std::size_t count) {
  std::string line;
  for (std::size_t i = 0; i < count; ++i) line += characters[i % characters.size()];
  return line;
}

void ComposeText(benchmark::State& state) {
  constexpr std::string_view kEmoji[] = {"\U0001F600", "\U0001F44D\U0001F3FD",
                                         "\U0001F468\u200D\U0001F469\u200D\U0001F467",
                                         "\U0001F1EB\U0001F1F7", " "};
  constexpr std::string_view kPlain[] = {"H", "e", "l", "l", "o", " "};
  constexpr const char* kNames[] = {"none",  "alternate",   "fade",         "random",
                                    "waves", "grow-shrink", "fade, preview"};
  const auto mode = static_cast<std::size_t>(state.range(0));
  const auto count = static_cast<std::size_t>(state.range(1));
  const bool emoji = state.range(2) != 0;
  const std::string line = emoji ? Line(kEmoji, count) : Line(kPlain, count);

  bw::cli::ComposeCommand command;
  command.style.Hacker = command.style.Backwards = true;
  command.style.Effect = mode == 6 ? bw::EffectMode::ColorFade : static_cast<bw::EffectMode>(mode);
  command.target = bw::SendTarget::IM;
  command.preview = mode == 6;
  state.SetLabel(std::string(kNames[mode]) + (emoji ? ", emoji" : ", one unit each"));
  for (auto _ : state) {
    std::string error;
    benchmark::DoNotOptimize(bw::cli::ComposeLine(command, line, error));
  }
  state.SetItemsProcessed(state.iterations() * state.range(1));
}
double Fastest(const std::vector<double>& runs) {
  return *std::min_element(runs.begin(), runs.end());
}

BENCHMARK(ComposeText)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {32767, 8 * 32767}, {0, 1}})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", Fastest)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // glibc moves its threshold for mapping large blocks up as large blocks are freed, so a
  // short line measured after long ones would reuse warm memory that a long one never
  // gets. Fixed at glibc's starting value, every size is measured as a fresh process
  // composing it would run.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
