// The preview's work for each change of a long line, apart from filling the control: the
// placeholders, the composition and the reading of the markup back into runs, for a line of
// 32,767 characters under each effect. Typing stays fluent while this and the fill of the
// first kPreviewCharacters (win32/rich_text_bench_win32.cpp) stay well under 50 ms.

#include <benchmark/benchmark.h>

#include "app/preview.h"

namespace {

void ComposeLongPreview(benchmark::State& state) {
  bw::Text line;
  while (line.size() < 32767) line += u"Hi %me%, how is %room% today? ";
  line.resize(32767);
  bw::StyleOptions options;
  options.Bold = true;
  options.Effect = static_cast<bw::EffectMode>(state.range(0));
  constexpr const char* kNames[] = {"none", "alternate", "fade", "random", "waves", "grow-shrink"};
  state.SetLabel(kNames[state.range(0)]);
  const bw::PlaceholderValues values{u"ZornaVelde", u"MoSsWhIrLz", u"Town Square"};
  bw::RandomGenerator random;
  for (auto _ : state) benchmark::DoNotOptimize(bw::ComposePreview(line, options, values, random));
}
BENCHMARK(ComposeLongPreview)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
