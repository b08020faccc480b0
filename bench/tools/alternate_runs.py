#!/usr/bin/env python3
"""Times two velmora-chart programs on the same batch in alternating runs.

usage: alternate_runs.py ROUNDS QUERIES BEFORE AFTER [OPTIONS...]

A shared machine's speed drifts over seconds, so a pair of runs taken one
after the other is compared rather than two series taken apart. Prints each
program's median and best CPU time (user + system, from wait4) and wall
time, and the before/after ratios: of the medians, of the best runs, and the
median of the per-round ratios.
"""
import os
import statistics
import sys
import time


def run_once(program, options, queries):
    started = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.execv(program, [program, *options, "--batch", queries])
    _, status, usage = os.wait4(pid, 0)
    if status != 0:
        sys.exit(f"{program} exited with status {status}")
    return usage.ru_utime + usage.ru_stime, time.perf_counter() - started


def main():
    rounds, queries, before, after = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    options = sys.argv[5:]
    cpu = {before: [], after: []}
    wall = {before: [], after: []}
    for _ in range(rounds):
        for program, opts in ((before, []), (after, options)):
            c, w = run_once(program, opts, queries)
            cpu[program].append(c)
            wall[program].append(w)
    for name, program in (("before", before), ("after", after)):
        print(f"{name}: cpu median {statistics.median(cpu[program]):.3f} s, best {min(cpu[program]):.3f} s; "
              f"wall median {statistics.median(wall[program]):.3f} s ({rounds} runs)")
    ratios = [b / a for b, a in zip(cpu[before], cpu[after])]
    print(f"after is faster by: {statistics.median(cpu[before]) / statistics.median(cpu[after]):.2f}x (medians), "
          f"{min(cpu[before]) / min(cpu[after]):.2f}x (best runs), {statistics.median(ratios):.2f}x (median of "
          f"the {rounds} paired ratios)")


if __name__ == "__main__":
    main()
