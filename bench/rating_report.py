#!/usr/bin/env python3
"""Throughput and quality of raruduz-cli's rating over the public puzzle sets.

For each set: boards rated per second of CPU time (and of wall time) by `raruduz-cli rate`, the
share of boards per level and solved. For the set with published ratings, the Spearman rank
correlation of our score with them, over all boards and over the boards our techniques finish,
and the same for the score of `solve --method human --with-guess` (every board finished, guesses
weighing 16).

usage: bench/rating_report.py [--cli build/release/raruduz-cli] [--data ../shared/data] [--runs 3]
Standard library only.
"""
import argparse
import collections
import os
import resource
import statistics
import subprocess
import sys
import time

SETS = ["magictour_top1465.txt", "se_rated_diabolical_39719.txt"]
RATED_SET = "se_rated_diabolical_39719.txt"
RATINGS = "se_rated_diabolical_39719.ratings.tsv"


def run_timed(command):
    """Runs the command; returns (stdout lines, wall seconds, CPU seconds of the child)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    result = subprocess.run(command, check=True, stdout=subprocess.PIPE, text=True)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return result.stdout.splitlines(), wall, cpu


def ranks(values):
    """Ranks from 1, ties sharing their mean rank."""
    order = sorted(range(len(values)), key=lambda i: values[i])
    result = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            result[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return result


def spearman(xs, ys):
    rx, ry = ranks(xs), ranks(ys)
    mx, my = statistics.fmean(rx), statistics.fmean(ry)
    cov = sum((a - mx) * (b - my) for a, b in zip(rx, ry))
    vx = sum((a - mx) ** 2 for a in rx)
    vy = sum((b - my) ** 2 for b in ry)
    return cov / (vx * vy) ** 0.5 if vx and vy else float("nan")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default=os.path.join(here, "..", "build", "release", "raruduz-cli"))
    # The sets sit beside the repository, or beside the folder of a worktree.
    beside = [os.path.join(here, *[".."] * depth, "shared", "data") for depth in (2, 3)]
    parser.add_argument("--data", default=next((d for d in beside if os.path.isdir(d)), beside[0]))
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()

    for name in SETS:
        path = os.path.join(args.data, name)
        if not os.path.exists(path):
            print(f"{name}: missing, skipped")
            continue
        cpus, walls, lines = [], [], []
        for _ in range(args.runs):
            lines, wall, cpu = run_timed([args.cli, "rate", path])
            cpus.append(cpu)
            walls.append(wall)
        boards = len(lines)
        fields = [line.split("\t") for line in lines]
        print(f"{name}: {boards} boards")
        print(f"  rate: {boards / statistics.median(cpus):,.0f} boards/s of CPU time, "
              f"{boards / statistics.median(walls):,.0f} boards/s of wall time "
              f"(median of {args.runs} runs)")
        solved = sum(1 for f in fields if f[1] == "Solved")
        print(f"  solved by the techniques: {solved} ({100 * solved / boards:.1f} %)")
        levels = collections.Counter(f[3] for f in fields)
        for level in ["Very Easy", "Easy", "Medium", "Hard", "Very hard", "Fiendish", "Unknown"]:
            print(f"  {level:<10} {levels[level]:>6} {100 * levels[level] / boards:5.1f} %")

        if name != RATED_SET:
            continue
        published = []
        with open(os.path.join(args.data, RATINGS)) as ratings:
            for line in ratings:
                parts = line.split()
                if len(parts) >= 2:
                    published.append(float(parts[-1]))
        if len(published) != boards:
            print("  ratings file does not match the set, no correlation")
            continue
        scores = [int(f[2]) for f in fields]
        finished = [i for i, f in enumerate(fields) if f[1] == "Solved"]
        print(f"  Spearman, rate score vs published, all boards: "
              f"{spearman(scores, published):.3f}")
        print(f"  Spearman, rate score vs published, solved boards: "
              f"{spearman([scores[i] for i in finished], [published[i] for i in finished]):.3f}")
        guess_lines, _, _ = run_timed([args.cli, "solve", "--method", "human", "--with-guess", path])
        guess_scores = [int(line.split("\t")[3]) for line in guess_lines]
        print(f"  Spearman, human --with-guess score vs published, all boards: "
              f"{spearman(guess_scores, published):.3f}")


if __name__ == "__main__":
    sys.exit(main())
