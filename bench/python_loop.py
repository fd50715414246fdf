#!/usr/bin/env python3
"""Times a 1,000-design loop in Python: the closing loop with its right bracket moved a little each time,
activated as torvik-activate does, on one thread and on a thread pool.

    PYTHONPATH=build/python python3 bench/python_loop.py [--designs 1000] [--threads 2]
"""
import argparse
import os
import time
from concurrent.futures import ThreadPoolExecutor

import torvik

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--design", default=os.path.join(HERE, "data", "closing_loop.tvk"))
    parser.add_argument("--designs", type=int, default=1000)
    parser.add_argument("--threads", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--repeat", type=int, default=3, help="best of this many runs")
    args = parser.parse_args()
    base = torvik.Design.load(args.design)

    def job(i):
        d = base.copy()
        d.right_bracket.x_mm += 0.001 * i
        return d.activate()

    def timed(run):
        best, results = float("inf"), None
        for _ in range(args.repeat):
            start = time.perf_counter()
            results = run()
            best = min(best, time.perf_counter() - start)
        return best, results

    alone, first = timed(lambda: [job(i) for i in range(args.designs)])
    with ThreadPoolExecutor(max_workers=args.threads) as pool:
        together, second = timed(lambda: list(pool.map(job, range(args.designs))))
    assert [a.as_dict() for a in first] == [a.as_dict() for a in second]
    met = sum(a.met for a in first)
    print(f"{args.designs} designs ({len(base)} segments, {met} met their target), best of {args.repeat}:")
    print(f"  one thread:        {alone:7.3f} s  ({alone / args.designs * 1e3:.3f} ms a design)")
    print(f"  {args.threads} threads (pool):  {together:7.3f} s  ({alone / together:.2f} x)")


if __name__ == "__main__":
    main()
