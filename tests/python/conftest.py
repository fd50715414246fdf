# Shared helpers of the Python module's tests: the sample designs, torvik-activate's reports, and comparing
# numbers to the digits those reports print.
import csv
import io
import json
import math
import os
import subprocess

import pytest

SOURCE = os.environ.get("TORVIK_SOURCE", os.path.join(os.path.dirname(__file__), "..", ".."))
ACTIVATE = os.environ.get("TORVIK_ACTIVATE", "torvik-activate")

CLOSING_LOOP = os.path.join(SOURCE, "bench", "data", "closing_loop.tvk")
V_BEND = os.path.join(SOURCE, "bench", "data", "v_bend.tvk")
DEFAULT_LOOP = os.path.join(SOURCE, "resources", "default-data", "Loops", "Closing Loop.tvk")
# A short wire of three stocks.
MIXED_STOCK = os.path.join(SOURCE, "fuzz", "corpus", "design", "stock_runs.tvk")


def run_cli(*args, check=True):
    """torvik-activate's stdout and stderr and exit status for the given arguments."""
    done = subprocess.run([ACTIVATE, *map(str, args)], capture_output=True, text=True)
    if check and done.returncode not in (0, 1):
        pytest.fail(f"torvik-activate {args} failed: {done.stderr}")
    return done


def cli_json(*args):
    return json.loads(run_cli(*args, "--format", "json").stdout)


def cli_csv(*args):
    return list(csv.reader(io.StringIO(run_cli(*args, "--format", "csv").stdout)))


def printed(value):
    """A number as the reports print it: ten significant digits."""
    return float(f"{value:.10g}")


def assert_same_as_json(ours, theirs, where=""):
    """Every value of ours (a dict shaped as the JSON report) is the report's, to its last printed digit."""
    for key, value in ours.items():
        assert key in theirs, f"{where}{key} is not in the command line's report"
        expected = theirs[key]
        if isinstance(value, dict):
            assert_same_as_json(value, expected, f"{where}{key}.")
        elif isinstance(value, float):
            assert expected is not None and printed(value) == expected, f"{where}{key}: {value!r} != {expected!r}"
        else:
            assert value == expected, f"{where}{key}: {value!r} != {expected!r}"


def assert_same_as_csv_cell(value, cell, column):
    if isinstance(value, str):
        assert value == cell, column
    elif isinstance(value, float) and math.isnan(value):
        assert cell == "", column
    else:
        assert printed(value) == float(cell), f"{column}: {value!r} != {cell}"
