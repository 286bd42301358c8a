// Time per byte of the text primitives on hostile inputs at 10 KB, 100 KB and
// 1 MB. Every primitive must stay linear: tools/bench-ratio.py compares the
// per-byte times of the sizes.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench/bench_support.h"
#include "plugin/result_line.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/replace.h"
#include "text/split_field.h"
#include "text/strip_tags.h"

namespace bk {
namespace {

using bench::Finish;
using bench::Repeat;

// Brackets in a random order: many short tags, stray ">" and "<" alike.
std::string Brackets(std::size_t size) {
  std::mt19937 random(7);
  std::string out(size, '<');
  for (auto& c : out) {
    if (random() & 1) c = '>';
  }
  return out;
}

// Every "|" is the trail byte of ポ, so each byte-wise hit must be rejected.
std::string TrailBars(std::size_t size) { return Repeat("\x83|", size); }

void BM_StripTags(benchmark::State& state) {
  const std::string text = Brackets(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(StripTags(text));
  Finish(state, text.size());
}

void BM_StripTagsComments(benchmark::State& state) {
  const std::string text = Repeat("<!--<a>&lt;-->&nbsp;", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(StripTags(text));
  Finish(state, text.size());
}

void BM_ReplaceAllOneByte(benchmark::State& state) {
  const std::string text = Repeat("a", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceAll(text, "a", "bc"));
  Finish(state, text.size());
}

void BM_ReplaceAllIgnoreCase(benchmark::State& state) {
  const std::string text = Repeat("aA", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceAll(text, "a", "", Case::kIgnore));
  Finish(state, text.size());
}

void BM_FindAlignedTrailBytes(benchmark::State& state) {
  const std::string text = TrailBars(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindAligned("|", text));
  Finish(state, text.size());
}

void BM_FindAlignedLoneLeads(benchmark::State& state) {
  const std::string text = Repeat("\x83", state.range(0)) + "|";
  for (auto _ : state) benchmark::DoNotOptimize(FindAligned("\x83|", text));
  Finish(state, text.size());
}

void BM_FindLastOfTrailBytes(benchmark::State& state) {
  const std::string text = TrailBars(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindLastOf("|", text));
  Finish(state, text.size());
}

void BM_SplitFieldTrailBytes(benchmark::State& state) {
  const std::string text = TrailBars(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(SplitField(text, '|', 2));
  Finish(state, text.size());
}

void BM_ToHalfWidthAsciiLoneLeads(benchmark::State& state) {
  const std::string text = Repeat("\x82", state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ToHalfWidthAscii(text));
  Finish(state, text.size());
}

void BM_ResultLineBigFields(benchmark::State& state) {
  TBase record;
  const std::size_t per_field = state.range(0) / field::kCount;
  for (auto& f : record.fields) f = Repeat("a,\"\r\n \x82\x60", per_field);
  // The readings stay half-width after the first line; mapping them again
  // costs the same. No copy of the record per run: that would time the
  // allocator.
  for (auto _ : state) benchmark::DoNotOptimize(ResultLine(record));
  Finish(state, per_field * field::kCount);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (std::int64_t size : {10 << 10, 100 << 10, 1 << 20}) b->Arg(size);
}

BENCHMARK(BM_StripTags)->Apply(Sizes);
BENCHMARK(BM_StripTagsComments)->Apply(Sizes);
BENCHMARK(BM_ReplaceAllOneByte)->Apply(Sizes);
BENCHMARK(BM_ReplaceAllIgnoreCase)->Apply(Sizes);
BENCHMARK(BM_FindAlignedTrailBytes)->Apply(Sizes);
BENCHMARK(BM_FindAlignedLoneLeads)->Apply(Sizes);
BENCHMARK(BM_FindLastOfTrailBytes)->Apply(Sizes);
BENCHMARK(BM_SplitFieldTrailBytes)->Apply(Sizes);
BENCHMARK(BM_ToHalfWidthAsciiLoneLeads)->Apply(Sizes);
BENCHMARK(BM_ResultLineBigFields)->Apply(Sizes);

}  // namespace
}  // namespace bk

BENCHMARK_MAIN();
