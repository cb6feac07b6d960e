#!/usr/bin/env python3
"""Compares a run of the benchmarks with the medians kept in bench/baseline.tsv.

    bench-compare.py BASELINE RESULT.json... [--update]

Reads Google Benchmark's JSON output (the median aggregates when the run had repetitions,
else the single runs) and prints each benchmark's CPU and real time against the baseline,
marking every one whose CPU time grew by more than 15 %. With --update the baseline file
is written from the results instead (benchmarks not in this run keep their old line).
"""
import argparse
import json
import os
import platform
import sys
import time

THRESHOLD = 0.15
TO_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def read_results(paths):
    """name -> (real ns, cpu ns), medians when the run had repetitions."""
    singles, medians = {}, {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        for bench in data.get("benchmarks", []):
            if bench.get("error_occurred"):
                continue
            scale = TO_NS[bench.get("time_unit", "ns")]
            times = (bench["real_time"] * scale, bench["cpu_time"] * scale)
            if bench.get("run_type") == "aggregate":
                if bench.get("aggregate_name") == "median":
                    medians[bench["run_name"]] = times
            else:
                singles[bench.get("run_name", bench["name"])] = times
    return medians or singles


def read_baseline(path):
    baseline = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                name, real, cpu = line.rstrip("\n").split("\t")
                baseline[name] = (float(real), float(cpu))
    return baseline


def write_baseline(path, baseline):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# Medians of scripts/bench.sh (Release): name, real ns, CPU ns.\n")
        f.write(f"# {time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())}, {os.cpu_count()} "
                f"cores, {platform.processor() or platform.machine()}, load average "
                f"{' '.join(f'{x:.2f}' for x in os.getloadavg())}\n")
        for name in sorted(baseline):
            real, cpu = baseline[name]
            f.write(f"{name}\t{real:.0f}\t{cpu:.0f}\n")


def shown(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("baseline")
    parser.add_argument("results", nargs="+")
    parser.add_argument("--update", action="store_true")
    args = parser.parse_args()
    results = read_results(args.results)
    baseline = read_baseline(args.baseline)
    if args.update:
        baseline.update(results)
        write_baseline(args.baseline, baseline)
        print(f"{args.baseline}: {len(results)} medians written")
        return 0
    width = max((len(name) for name in results), default=10)
    print(f"{'benchmark':{width}}  {'CPU before':>11} {'CPU now':>11} {'change':>7}"
          f"  {'real before':>11} {'real now':>11}")
    grew = 0
    for name, (real, cpu) in results.items():
        if name not in baseline:
            print(f"{name:{width}}  {'(new)':>11} {shown(cpu):>11}")
            continue
        old_real, old_cpu = baseline[name]
        change = cpu / old_cpu - 1 if old_cpu > 0 else 0.0
        mark = ""
        if change > THRESHOLD:
            grew += 1
            mark = f"  << grew more than {THRESHOLD:.0%}"
        print(f"{name:{width}}  {shown(old_cpu):>11} {shown(cpu):>11} {change:+7.0%}"
              f"  {shown(old_real):>11} {shown(real):>11}{mark}")
    print(f"{grew} of {len(results)} benchmarks grew by more than {THRESHOLD:.0%} in CPU time")
    return 0


if __name__ == "__main__":
    sys.exit(main())
