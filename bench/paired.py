#!/usr/bin/env python3
"""Times two shell commands in pairs, one after the other with the order alternating, which a
busy machine disturbs least. Prints the median wall time of each in ms, the median of the
per-pair ratios ours/peer, and the median of the per-pair ratios of CPU time (user and system).

    python3 bench/paired.py RUNS OURS PEER [--prepare COMMAND] [--prepare-peer COMMAND]

--prepare runs before each run of OURS, untimed (to give every run the same starting files);
--prepare-peer likewise before each run of PEER.
"""
import argparse
import os
import statistics
import subprocess
import time


def run(command):
    subprocess.run(command, shell=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)


def timed(command):
    before = os.times()
    start = time.perf_counter()
    run(command)
    wall = time.perf_counter() - start
    after = os.times()
    return wall, (after.children_user - before.children_user) + (after.children_system - before.children_system)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("runs", type=int)
    parser.add_argument("ours")
    parser.add_argument("peer")
    parser.add_argument("--prepare")
    parser.add_argument("--prepare-peer")
    args = parser.parse_args()

    def ours():
        if args.prepare:
            run(args.prepare)
        return timed(args.ours)

    def peer():
        if args.prepare_peer:
            run(args.prepare_peer)
        return timed(args.peer)

    ours()  # warm the page cache
    peer()
    a, b, ratios, cpu = [], [], [], []
    for i in range(args.runs):
        if i % 2:
            y = peer()
            x = ours()
        else:
            x = ours()
            y = peer()
        a.append(x[0])
        b.append(y[0])
        ratios.append(x[0] / y[0])
        cpu.append(x[1] / max(y[1], 0.001))
    print(f"{statistics.median(a) * 1000:9.1f} {statistics.median(b) * 1000:9.1f} {statistics.median(ratios):7.2f}"
          f" {statistics.median(cpu):7.2f}")


main()
