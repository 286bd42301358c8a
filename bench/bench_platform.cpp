// Time per byte of the portable locale layer at 10 KB, 100 KB and 1 MB: the
// conversions and mappings must stay linear (tools/bench-ratio.py compares
// the per-byte times of the sizes).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "platform/locale.h"

namespace bk::platform {
namespace {

using bench::Finish;
using bench::Repeat;

// Kanji, voiced katakana, full-width letters, ASCII, IBM extensions and
// lone lead bytes before ASCII.
std::string Mixed(std::size_t size) {
  return Repeat("\x88\x9F\x83\x4B\x82\x60\x82\x81" "a\xED\x40\x83" "A", size);
}

void BM_AnsiToWide(benchmark::State& state) {
  const std::string text = Mixed(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PortableLocale().ansi_to_wide(text));
  Finish(state, text.size());
}

void BM_WideToAnsi(benchmark::State& state) {
  const std::u16string wide = PortableLocale().ansi_to_wide(Mixed(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PortableLocale().wide_to_ansi(wide));
  Finish(state, wide.size() * 2);
}

void BM_MapAnsiHalfWidth(benchmark::State& state) {
  const std::string text = Mixed(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PortableLocale().map_ansi(text, kHalfWidth));
  Finish(state, text.size());
}

// Every other character is a half-width voiced mark to join.
void BM_MapWideFullWidthJoins(benchmark::State& state) {
  const std::u16string wide = PortableLocale().ansi_to_wide(Repeat("\xB6\xDE\xCA\xDF", state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PortableLocale().map_wide(wide, kFullWidth));
  Finish(state, wide.size() * 2);
}

void BM_UpperAnsi(benchmark::State& state) {
  const std::string text = Mixed(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PortableLocale().upper_ansi(text));
  Finish(state, text.size());
}

void BM_CompareIgnoreCaseEqualPrefix(benchmark::State& state) {
  const std::string a = Mixed(state.range(0));
  const std::string b = a + "b";
  for (auto _ : state) benchmark::DoNotOptimize(PortableLocale().compare_ignore_case(a, b));
  Finish(state, a.size());
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (std::int64_t size : {10 << 10, 100 << 10, 1 << 20}) b->Arg(size);
}

BENCHMARK(BM_AnsiToWide)->Apply(Sizes);
BENCHMARK(BM_WideToAnsi)->Apply(Sizes);
BENCHMARK(BM_MapAnsiHalfWidth)->Apply(Sizes);
BENCHMARK(BM_MapWideFullWidthJoins)->Apply(Sizes);
BENCHMARK(BM_UpperAnsi)->Apply(Sizes);
BENCHMARK(BM_CompareIgnoreCaseEqualPrefix)->Apply(Sizes);

}  // namespace
}  // namespace bk::platform

BENCHMARK_MAIN();
