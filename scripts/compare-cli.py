#!/usr/bin/env python3
"""Runs two builds of ranvik-cli over the same varied charts and compares every output.

Usage: compare-cli.py OLD_CLI NEW_CLI [COUNT]

For each generated chart (Swiss, round robin, double round robin; consistent, faulty,
inconsistent, accented, unencodable) every command is run with both programs; standard
output, standard error, the exit status and the bytes of every file written must agree.
Used before and after a change that must not alter what the command line does.
"""
import os
import random
import subprocess
import sys
import tempfile

NAMES = ["Côté, Luc", "Tremblay, Anne", "Bouchard, J.", "Smith", "Nguyễn Văn", "O'Neil", ""]


def swiss_chart(rng, players, rounds):
    rows = []
    for p in range(1, players + 1):
        cells = [str(p), rng.choice(NAMES) or f"P{p}", f"{rng.randint(100000, 199999)}",
                 rng.choice(["1500", "", "unr.", "x12", str(rng.randint(800, 2400))])]
        for _ in range(rounds):
            opp = rng.randint(0, players + 1)
            cells.append(rng.choice(["W", "L", "D", "B", "H", "X", "F", "Q", ""]) +
                         (str(opp) if opp else ""))
        rows.append(cells)
    return rows


def round_robin_chart(rng, players, double):
    per = 2 if double else 1
    rows = [[str(p), rng.choice(NAMES) or f"P{p}", f"{100000 + p:06d}", "1600"]
            + [""] * (per * players) for p in range(1, players + 1)]
    for p in range(players):
        for k in range(per):
            rows[p][4 + per * p + k] = "X"
        for q in range(p + 1, players):
            for k in range(per):
                mine = rng.choice(["1", "0", "=", "", "W", "?"])
                theirs = {"1": "0", "0": "1", "=": "=", "": "", "W": "0", "?": "1"}[mine]
                if rng.random() < 0.1:
                    theirs = rng.choice(["1", "0", "="])
                rows[p][4 + per * q + k] = mine
                rows[q][4 + per * p + k] = theirs
    return rows


def chart_bytes(rows, encoding):
    text = "".join("".join(c + "\t" for c in row) + "\r\n" for row in rows)
    return text.encode(encoding, errors="replace")


def run(cli, args, cwd):
    done = subprocess.run([cli] + args, cwd=cwd, capture_output=True, timeout=60)
    return done.returncode, done.stdout.replace(cwd.encode(), b"<dir>"), \
        done.stderr.replace(cwd.encode(), b"<dir>")


def outputs(folder):
    found = {}
    for name in sorted(os.listdir(folder)):
        if name.startswith("out"):
            with open(os.path.join(folder, name), "rb") as f:
                found[name] = f.read()
    return found


def commands(kind):
    report = ["report", "chart.tms", "--type", kind, "--name", "Spring Open",
              "--province", "QC", "--end-date", "2025/06/18", "--td", "123456",
              "--rating", "regular", "-o", "out-report"]
    return [["check", "chart.tms", "--type", kind],
            ["check", "chart.tms", "--type", kind, "--inconsistencies", "ignore"],
            ["check", "chart.tms", "--type", kind, "--inconsistencies", "all"],
            report, report[:-2] + ["--inconsistencies", "all", "-o", "out-all.qtr"],
            ["sort", "chart.tms", "--type", kind, "-o", "out-sorted"],
            ["convert", "chart.tms", "--type", kind, "-o", "out-converted.txt"]]


def main():
    old, new = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 60
    rng = random.Random(20261208)
    runs = 0
    for n in range(count):
        kind = ["swiss", "rr", "drr"][n % 3]
        players = rng.randint(2, 14)
        rows = (swiss_chart(rng, players, rng.randint(1, 9)) if kind == "swiss"
                else round_robin_chart(rng, players, kind == "drr"))
        data = chart_bytes(rows, "utf-8" if n % 7 == 0 else "cp1252")
        for command in commands(kind):
            results = []
            for cli in (old, new):
                with tempfile.TemporaryDirectory() as folder:
                    with open(os.path.join(folder, "chart.tms"), "wb") as f:
                        f.write(data)
                    results.append((run(cli, command, folder), outputs(folder)))
            runs += 1
            if results[0] != results[1]:
                print(f"DIFFERENT: chart {n} ({kind}) command {' '.join(command)}")
                print("old:", results[0][0])
                print("new:", results[1][0])
                return 1
    print(f"{runs} runs, outputs and files identical")
    return 0


if __name__ == "__main__":
    sys.exit(main())
