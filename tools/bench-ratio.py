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
    print(f"{'benchmark':32} " + " ".join(f"{'ns/B @' + str(s >> 10) + 'K':>13}" for s in (10240, 102400, 1048576))
          + f" {'ratio':>6}")
    for name, sizes in per_byte.items():
        times = [sizes[s] for s in sorted(sizes)]
        ratio = max(times) / min(times)
        failed |= ratio >= args.limit
        cells = " ".join(f"{t:13.3f}" for t in times)
        print(f"{name:32} {cells} {ratio:6.2f}{'  TOO HIGH' if ratio >= args.limit else ''}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
