# Protects the module's numbers: activations and curves equal torvik-activate's reports to the last printed digit, also when threads run designs side by side.
import csv
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest
import torvik
from conftest import (CLOSING_LOOP, DEFAULT_LOOP, MIXED_STOCK, SOURCE, V_BEND, assert_same_as_csv_cell, assert_same_as_json, cli_csv,
                      cli_json)

# (design, segment size, keyword arguments of activate(), the same as torvik-activate's options)
RUNS = [
    (CLOSING_LOOP, 0.1, {}, []),
    (CLOSING_LOOP, 0.25, {"refine": False}, ["--no-refine"]),
    (CLOSING_LOOP, 0.25, {"target": "point", "tolerance_distance_mm": 0.01}, ["--target", "point", "--tolerance-distance", "0.01"]),
    (CLOSING_LOOP, 0.25, {"target": "angle", "tolerance_angle_deg": 0.1}, ["--target", "angle", "--tolerance-angle", "0.1"]),
    (CLOSING_LOOP, 0.25, {"auto_stop": False, "max_iterations": 40}, ["--manual-stop", "--max-iterations", "40"]),
    (V_BEND, 0.25, {"target": "sliding"}, ["--target", "sliding"]),
    (V_BEND, 0.25, {"target": "slot", "sliding": True}, ["--target", "sliding"]),
    (V_BEND, 0.25, {}, []),  # overstrained in the fixed slot
    (DEFAULT_LOOP, 0.25, {}, []),
    (MIXED_STOCK, 0.25, {"target": "point"}, ["--target", "point"]),
]


@pytest.mark.parametrize("path, size, kwargs, options", RUNS)
def test_activation_equals_the_command_line(path, size, kwargs, options):
    ours = torvik.Design.load(path, segment_size=size).activate(**kwargs)
    theirs = cli_json(path, "--segment-size", size, *options)
    assert_same_as_json(ours.as_dict(), theirs)
    assert ours.met == (theirs["stop"] == "tolerance")
    assert (ours.right.x, ours.left.m_over_fx) == (ours.as_dict()["right"]["x"], ours.as_dict()["left"]["m_over_fx"])


def test_edited_design_equals_the_command_line_on_its_saved_file(tmp_path):
    d = torvik.Design.load(CLOSING_LOOP)
    d.right_bracket.x_mm += 0.5
    d.material = "tma"
    d.cross_section = torvik.cross_sections()[4]
    saved = tmp_path / "moved.tvk"
    d.save(saved)
    theirs = cli_json(saved)  # in the stock the file keeps
    assert_same_as_json(d.activate().as_dict(), theirs)
    assert (theirs["material"], theirs["cross_section"]) == ("TMA", "0.016 x 0.022")
    back = torvik.Design.load(saved)
    assert (back.material, back.cross_section) == (d.material, d.cross_section)


def test_curve_columns_equal_the_command_lines_csv():
    for path, options, kwargs in [(CLOSING_LOOP, [], {}), (V_BEND, ["--target", "sliding"], {"target": "sliding"}),
                                  (V_BEND, [], {})]:
        curve = torvik.Design.load(path).curve(6, **kwargs)
        header, *rows = cli_csv(path, "--curve", 6, *options)
        assert list(curve) == header
        assert all(len(column) == len(rows) for column in curve.values())
        for i, row in enumerate(rows):
            for column, cell in zip(header, row):
                assert_same_as_csv_cell(curve[column][i].item(), cell, column)
    assert curve["step"].dtype.kind == "i" and curve["stop"][-1] != "tolerance"  # the fixed slot overstrains


def test_threads_give_the_results_of_one_thread():
    base = torvik.Design.load(CLOSING_LOOP)

    def designs():
        for i in range(8):
            d = base.copy()
            d.right_bracket.x_mm += 0.1 * i
            yield d

    alone = [d.activate().as_dict() for d in designs()]
    curve_alone = base.copy().curve(4)
    with ThreadPoolExecutor(max_workers=4) as pool:
        together = list(pool.map(lambda d: d.activate().as_dict(), designs()))
        curve_together = pool.submit(base.copy().curve, 4).result()
    assert together == alone
    assert len({a["right"]["x"] for a in alone}) == 8
    for key, column in curve_alone.items():
        np.testing.assert_array_equal(curve_together[key], column)


def test_activation_keeps_the_activated_shape_and_the_curve_leaves_the_design():
    d = torvik.Design.load(CLOSING_LOOP)
    at_rest = d.points_mm()
    d.curve(2)
    np.testing.assert_array_equal(d.points_mm(), at_rest)
    d.activate()
    end = d.points_mm()[-1]
    assert np.hypot(*(end - [d.right_bracket.x_mm, d.right_bracket.y_mm])) < 1e-5
    assert not np.allclose(d.points_mm(), at_rest)


def test_the_sweep_example_tabulates_the_activations(tmp_path):
    out = tmp_path / "sweep.csv"
    done = subprocess.run([sys.executable, os.path.join(SOURCE, "examples", "sweep.py"), "--steps", "3", "--to", "0.5",
                           "--threads", "2", "--output", out], capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    header, *rows = list(csv.reader(open(out)))
    assert header[:2] == ["shift_mm", "right_x"] and header[-1] == "stop" and len(rows) == 3
    d = torvik.Design.load(DEFAULT_LOOP)
    d.right_bracket.x_mm += 0.5  # the slot points along +x
    assert [float(rows[2][0]), float(rows[2][1]), rows[2][-1]] == [0.5, float(f"{d.activate().right.x:.6g}"), "tolerance"]
