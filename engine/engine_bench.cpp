// Composition and replacement over long texts. Each case runs at a base size and at eight
// times that size; linear work shows as roughly eight times the time.

#include <benchmark/benchmark.h>

#include "engine/compose.h"
#include "engine/replace_text.h"

namespace {

bw::Text Repeat(bw::TextView unit, std::size_t length) {
  bw::Text text;
  text.reserve(length);
  while (text.size() < length) text.append(unit.substr(0, length - text.size()));
  return text;
}

void ComposeLine(benchmark::State& state) {
  const auto effect = static_cast<bw::EffectMode>(state.range(0));
  const bw::Text text = Repeat(u"Hello there, how are you all doing today? ", state.range(1));
  bw::StyleOptions options;
  options.Hacker = options.Backwards = true;
  options.Effect = effect;
  constexpr const char* kNames[] = {"none", "alternate", "fade", "random", "waves", "grow-shrink"};
  state.SetLabel(kNames[state.range(0)]);
  for (auto _ : state) {
    benchmark::DoNotOptimize(bw::ComposeMessage(text, options, bw::SendTarget::IM));
  }
  state.SetItemsProcessed(state.iterations() * state.range(1));
}
BENCHMARK(ComposeLine)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {32767, 8 * 32767}})
    ->Unit(benchmark::kMicrosecond);

void ReplaceOccurrences(benchmark::State& state) {
  const bw::Text text = Repeat(u"hi %ME%, ", 9 * state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(bw::ReplaceText(text, u"%me%", u"Annabelle", false));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReplaceOccurrences)->Arg(10000)->Arg(8 * 10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
