#!/usr/bin/env python3
"""Tabulates the loads of a design as its right bracket moves along its slot.

Each step moves the right bracket a little farther along the direction of its slot (away from the wire for
a loop that is pulled open), activates the design as torvik-activate does and keeps the loads on both
brackets. The table goes to a CSV file (or standard output) with the names and units of torvik-activate's
reports.

    PYTHONPATH=build/python python3 examples/sweep.py --steps 11 --to 1.0 --output sweep.csv
"""
import argparse
import csv
import math
import os
import sys
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import torvik

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DESIGN = os.path.join(HERE, "..", "resources", "default-data", "Loops", "Closing Loop.tvk")

COLUMNS = ["shift_mm", "right_x", "right_y", "right_m", "right_f", "right_m_over_f", "right_m_over_fx",
           "left_m", "left_m_over_f", "max_strain_deg", "iterations"]


def activate_shifted(design, shift_mm):
    """The design's activation with its right bracket moved shift_mm along its slot (on a copy)."""
    d = design.copy()
    bracket = d.right_bracket
    angle = math.radians(bracket.angulation_deg)
    bracket.move_to(bracket.x_mm + shift_mm * math.cos(angle), bracket.y_mm + shift_mm * math.sin(angle))
    return d.activate()


def row(shift_mm, a):
    """A row of the table; NaN for a ratio without a divisor (None in the result)."""
    def number(v):
        return float("nan") if v is None else v
    return [shift_mm, a.right.x, a.right.y, a.right.m, a.right.f, number(a.right.m_over_f),
            number(a.right.m_over_fx), a.left.m, number(a.left.m_over_f), a.max_strain_deg, a.iterations]


def write_csv(path, table, stops):
    out = open(path, "w", newline="") if path else sys.stdout
    try:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(COLUMNS + ["stop"])
        for values, stop in zip(table, stops):
            writer.writerow([f"{v:.6g}" for v in values] + [stop])
    finally:
        if path:
            out.close()
        else:
            out.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("design", nargs="?", default=DEFAULT_DESIGN, help="design file (the sample closing loop)")
    parser.add_argument("--steps", type=int, default=11, help="number of bracket positions (11)")
    parser.add_argument("--from", dest="start", type=float, default=0.0, help="first shift in mm (0)")
    parser.add_argument("--to", dest="end", type=float, default=1.0, help="last shift in mm (1)")
    parser.add_argument("--threads", type=int, default=os.cpu_count() or 1, help="threads activating side by side")
    parser.add_argument("--output", help="CSV file to write (standard output when left out)")
    args = parser.parse_args()

    try:
        design = torvik.Design.load(args.design)
    except torvik.FileError as e:
        sys.exit(f"sweep.py: {e}")
    shifts = np.linspace(args.start, args.end, args.steps)
    with ThreadPoolExecutor(max_workers=args.threads) as pool:
        results = list(pool.map(lambda s: activate_shifted(design, s), shifts))

    table = np.array([row(s, a) for s, a in zip(shifts, results)])
    stops = [a.stop for a in results]
    write_csv(args.output, table, stops)

    failed = sum(stop != "tolerance" for stop in stops)
    if failed:
        print(f"sweep.py: {failed} of {len(stops)} positions did not meet the target", file=sys.stderr)
    # The force grows with the activation: its rate over the positions that met the target.
    met = np.array([stop == "tolerance" for stop in stops])
    if met.sum() >= 2:
        rate = np.polyfit(table[met, 0], table[met, COLUMNS.index("right_f")], 1)[0]
        print(f"sweep.py: |F| grows by {rate:.1f} cN per mm of shift", file=sys.stderr)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
