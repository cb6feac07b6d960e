#!/usr/bin/env python3
"""Whole-process times of ranvik-cli check and convert on a chart, against the floor of
reading the file (tr '\\t' '\\n' < FILE | wc -l), measured as paired ratios: each round runs
the floor and every command once, in turn, so a busy machine slows them alike. Prints the
median CPU time (user + system) and real time of each, and the median of each round's
ratio to that round's floor. Compare two builds with --before.

    scripts/bench-cli.py CHART --type drr --after build/src/ranvik-cli \\
        [--before /path/to/old/ranvik-cli] [--runs 41]
"""
import argparse
import os
import statistics
import tempfile
import time


def run(argv):
    """Runs argv; gives (CPU seconds of it and the children it waited for, real seconds).
    Spawned without a fork of this interpreter, so nothing but the command is counted."""
    devnull = os.open(os.devnull, os.O_WRONLY)
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ,
                          file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1)])
    _, status, usage = os.wait4(pid, 0)
    real = time.perf_counter() - start
    os.close(devnull)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        raise SystemExit(f"{argv} exited with {os.waitstatus_to_exitcode(status)}")
    return usage.ru_utime + usage.ru_stime, real


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("chart")
    parser.add_argument("--type", default="drr")
    parser.add_argument("--after", required=True)
    parser.add_argument("--before")
    parser.add_argument("--runs", type=int, default=41)
    args = parser.parse_args()

    out = tempfile.mkdtemp(prefix="ranvik-bench-cli-")
    builds = [("after", args.after)] + ([("before", args.before)] if args.before else [])
    commands = {"floor": ["sh", "-c", "tr '\\t' '\\n' < \"$0\" | wc -l", args.chart]}
    for label, cli in builds:
        commands[f"check {label}"] = [cli, "check", args.chart, "--type", args.type]
        commands[f"convert {label}"] = [cli, "convert", args.chart, "--type", args.type,
                                        "-o", os.path.join(out, f"{label}.tms")]
    times = {name: [] for name in commands}
    for _ in range(args.runs):
        for name, argv in commands.items():
            times[name].append(run(argv))
    loads = os.getloadavg()
    print(f"{args.runs} rounds, {os.cpu_count()} cores, load average after: "
          f"{loads[0]:.2f} {loads[1]:.2f} {loads[2]:.2f}")
    floor = times["floor"]
    print(f"{'':18} {'CPU ms':>8} {'real ms':>8} {'CPU/floor':>10} {'real/floor':>11}")
    for name, samples in times.items():
        cpu = statistics.median(s[0] for s in samples) * 1000
        real = statistics.median(s[1] for s in samples) * 1000
        ratio_cpu = statistics.median(s[0] / max(f[0], 1e-4) for s, f in zip(samples, floor))
        ratio_real = statistics.median(s[1] / f[1] for s, f in zip(samples, floor))
        print(f"{name:18} {cpu:8.1f} {real:8.1f} {ratio_cpu:9.2f}x {ratio_real:10.2f}x")


if __name__ == "__main__":
    main()
