// Time per byte of title separation and credit classification at 1 KB and
// 100 KB. Both must stay linear in the length of the title or author block:
// tools/bench-ratio.py compares the per-byte times of the two sizes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "contributors/classify_credits.h"
#include "contributors/contributor_list.h"
#include "plugin/record.h"
#include "title/split_title_volume.h"

namespace bk {
namespace {

using bench::Finish;
using bench::Repeat;

constexpr std::string_view kRoleSeparator = "\x81^";   // ／
constexpr std::string_view kEntrySeparator = "\x81@";  // 　

// Distinct people in a shuffled order with assorted roles, so every entry is
// filed and lands somewhere inside the sorted list.
std::string ManyPeople(std::size_t size) {
  const std::string_view roles[] = {
      "\x92\x98",                              // 著
      "\x83" "C\x83\x89\x83X\x83g",            // イラスト
      "\x96\xf3",                              // 訳
      "\x8a\xc4\x8f" "C",                      // 監修
      "\x83" "f\x83U\x83" "C\x83\x93",         // デザイン
  };
  std::vector<int> ids(size / 12 + 1);
  std::iota(ids.begin(), ids.end(), 0);
  std::shuffle(ids.begin(), ids.end(), std::mt19937(7));
  std::string block;
  for (std::size_t i = 0; block.size() < size; ++i) {
    block.append("\x96\xbc").append(std::to_string(ids[i]));  // 名
    block.append(kRoleSeparator).append(roles[i % 5]).append(kEntrySeparator);
  }
  block.resize(size);
  return block;
}

// No role separator: the whole block is one entry that every marker row is
// looked for in.
std::string OneEntry(std::size_t size) {
  return Repeat("\x8eR\x93" "c\x91\xbe\x98Y\x81@", size);  // 山田太郎　
}

// One entry of many people cut apart at the name separator.
std::string ManyNames(std::size_t size) {
  std::string block;
  for (int i = 0; block.size() < size; ++i) block.append("N").append(std::to_string(i)).append("\x81" "A");  // 、
  block.resize(size - 4);
  return block.append(kRoleSeparator).append("\x92\x98");  // 著
}

void RunCredits(benchmark::State& state, const std::string& block, std::string_view name_separator) {
  std::size_t filed = 0;
  for (auto _ : state) {
    ContributorList list;
    ClassifyCredits(list, block, kRoleSeparator, kEntrySeparator, name_separator);
    filed = list.entries().size();
  }
  state.counters["entries"] = static_cast<double>(filed);
  Finish(state, block.size());
}

void BM_ClassifyCreditsManyPeople(benchmark::State& state) {
  RunCredits(state, ManyPeople(state.range(0)), "");
}

void BM_ClassifyCreditsOneEntry(benchmark::State& state) {
  RunCredits(state, OneEntry(state.range(0)), "");
}

void BM_ClassifyCreditsManyNames(benchmark::State& state) {
  RunCredits(state, ManyNames(state.range(0)), "\x81" "A");  // 、
}

void RunTitle(benchmark::State& state, const std::string& title) {
  for (auto _ : state) {
    Book[field::Volume].clear();
    benchmark::DoNotOptimize(SplitTitleVolume(title));
  }
  Finish(state, title.size());
}

// Every group is cut off the end one after another.
void BM_SplitTitleVolumeGroups(benchmark::State& state) {
  RunTitle(state, "T" + Repeat(" (g1)", state.range(0) - 1));
}

// Words, kanji and Latin markers with the volume at the very end, so every
// step up to the Latin marker runs over the whole title.
void BM_SplitTitleVolumeWords(benchmark::State& state) {
  const std::string_view end = "vol.3";
  RunTitle(state, Repeat("\x8b\xe2\x89\xcd\x95\xa8\x8c\xea Vol no ", state.range(0) - end.size())  // 銀河物語
                      .append(end));
}

BENCHMARK(BM_ClassifyCreditsManyPeople)->Arg(1 << 10)->Arg(100 << 10);
BENCHMARK(BM_ClassifyCreditsOneEntry)->Arg(1 << 10)->Arg(100 << 10);
BENCHMARK(BM_ClassifyCreditsManyNames)->Arg(1 << 10)->Arg(100 << 10);
BENCHMARK(BM_SplitTitleVolumeGroups)->Arg(1 << 10)->Arg(100 << 10);
BENCHMARK(BM_SplitTitleVolumeWords)->Arg(1 << 10)->Arg(100 << 10);

}  // namespace
}  // namespace bk

BENCHMARK_MAIN();
