#!/usr/bin/env bash
# Builds the benchmarks (native, optimised) and prints their figures: time per
# byte at each input size with the largest/smallest ratio (must stay below 2),
# the dictionary reload against a plain read of the same bytes (below 3), and
# the page parse against one memchr pass.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
benches=(bench_text bench_platform bench_title_credits bench_dictionaries bench_page)
cmake --build build/bench -j"$(nproc)" --target "${benches[@]}" >/dev/null
status=0
for b in bench_text bench_platform bench_title_credits; do
  echo "== $b"
  build/bench/bench/$b --benchmark_format=json --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true 2>/dev/null | python3 tools/bench-ratio.py || status=1
done
for b in bench_dictionaries bench_page; do
  echo "== $b"
  build/bench/bench/$b 2>/dev/null | tail -n 12
done
exit $status
