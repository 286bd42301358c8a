#!/usr/bin/env python3
"""Reads Google Benchmark JSON (--benchmark_format=json) from a file or stdin
and prints, per benchmark, the time per byte at each size and the ratio of the
largest to the smallest. Exits 1 when a ratio reaches the limit (default 2),
i.e. when a primitive is no longer linear in its input."""
import argparse
import json
import sys
from collections import defaultdict


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("json", nargs="?", help="benchmark JSON output (default: stdin)")
    parser.add_argument("--limit", type=float, default=2.0)
    args = parser.parse_args()
    with open(args.json) if args.json else sys.stdin as source:
        data = json.load(source)

    # With --benchmark_repetitions the medians are used, else the single runs.
    runs = [r for r in data["benchmarks"] if "bytes_per_second" in r]
    medians = [r for r in runs if r.get("aggregate_name") == "median"]
    per_byte = defaultdict(dict)
    for run in medians or [r for r in runs if r.get("run_type", "iteration") == "iteration"]:
        name, _, size = run.get("run_name", run["name"]).partition("/")
        per_byte[name][int(size)] = 1e9 / run["bytes_per_second"]

    failed = False
    for name, sizes in per_byte.items():
        times = [sizes[s] for s in sorted(sizes)]
        ratio = max(times) / min(times)
        failed |= ratio >= args.limit
        cells = " ".join(f"{str(s >> 10) + 'K:':>6}{t:8.3f}" for s, t in sorted(sizes.items()))
        print(f"{name:32} ns/byte {cells}  ratio {ratio:5.2f}{'  TOO HIGH' if ratio >= args.limit else ''}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
