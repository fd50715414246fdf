# Protects designs in Python: files read and written as the program does, the errors it raises with torvik-activate's messages, checked edits, and a design kept from two threads at once.
import shutil
import threading
import warnings

import numpy as np
import pytest
import torvik
from conftest import CLOSING_LOOP, MIXED_STOCK, run_cli


def cli_error(path):
    """torvik-activate's message for a design file it refuses."""
    done = run_cli(path, check=False)
    assert done.returncode == 2
    return done.stderr.strip().removeprefix("torvik-activate: ")


def bad_copy(tmp_path, old, new, name="bad.tvk"):
    path = tmp_path / name
    text = open(CLOSING_LOOP).read()
    assert old in text
    path.write_text(text.replace(old, new, 1))
    return path


def test_bad_files_raise_file_errors_with_the_command_lines_messages(tmp_path):
    right = open(CLOSING_LOOP).read().split("[Right Bracket]")[1].split()[0]  # "X=540"
    cases = [bad_copy(tmp_path, "[Right Bracket]\n" + right, "[Right Bracket]\nX=abc", "x.tvk"),
             bad_copy(tmp_path, "Seg 7=", "Seg 7=1.0;", "seg.tvk"),
             tmp_path / "missing.tvk",
             tmp_path]
    (tmp_path / "notes.tvk").write_text("just text\n")
    cases.append(tmp_path / "notes.tvk")
    for path in cases:
        with pytest.raises(torvik.FileError) as caught:
            torvik.Design.load(path)
        assert str(caught.value) == cli_error(path)
        assert isinstance(caught.value, OSError) and isinstance(caught.value, torvik.Error)
        assert caught.value.filename == str(path)
    x_error = str(pytest.raises(torvik.FileError, torvik.Design.load, cases[0]).value)
    assert x_error.endswith("x.tvk: Right Bracket: X: 'abc' is not a valid floating point value")


def test_missing_segment_keys_warn_and_read_as_short_straight_pieces(tmp_path):
    path = bad_copy(tmp_path, "Seg 3=0.000000, 2.00\n", "")
    with pytest.warns(torvik.DesignWarning, match="1 of 310 segments is missing"):
        d = torvik.Design.load(path)
    assert d.lengths_mm[3] == 0.0125 and len(d) == 311


def test_save_and_load_keep_the_design(tmp_path):
    d = torvik.Design.load(CLOSING_LOOP, segment_size=0.1)
    assert d.segment_size == 0.1 and len(d) == 311 and d.path == CLOSING_LOOP
    d.right_bracket.move_to(30.25, 11.5)
    d.left_bracket.angulation_deg = 170
    bends = d.bends_deg
    bends[5] = 12.5
    d.bends_deg = bends
    d.add_segments([0.5, 0.25], [10, 0])
    copy = tmp_path / "copy.tvk"
    d.save(copy)
    assert d.path == str(copy)
    back = torvik.Design.load(copy, segment_size=0.1)
    np.testing.assert_allclose(back.lengths_mm, d.lengths_mm, atol=5e-4)
    np.testing.assert_allclose(back.bends_deg, d.bends_deg, atol=1e-4)
    for a, b in [(back.right_bracket, d.right_bracket), (back.left_bracket, d.left_bracket)]:
        assert (a.x_mm, a.y_mm) == (b.x_mm, b.y_mm) and a.angulation_deg == pytest.approx(b.angulation_deg, abs=1e-4)
    # The wire's start follows the left bracket.
    assert tuple(d.points_mm()[0]) == (d.left_bracket.x_mm, d.left_bracket.y_mm)

    blank = torvik.Design.new(material="Nitinol", cross_section="0.017 x 0.025")
    assert len(blank) == 1 and blank.path is None and blank.material.modulus == 45000
    assert (blank.right_bracket.x_mm, blank.left_bracket.angulation_deg) == (20, 180)

    with pytest.raises(torvik.FileError, match="Unable to write to") as caught:
        d.save(tmp_path / "no such folder" / "x.tvk")
    assert caught.value.filename == str(tmp_path / "no such folder" / "x.tvk")


def test_stock_reads_from_the_segments_and_applies_to_the_whole_wire():
    d = torvik.Design.load(CLOSING_LOOP)
    assert d.material == torvik.materials()[0] and d.cross_section.name == "0.016" and d.cross_section.b_mm is None
    d.material = torvik.Material("Beta III", 68000)
    d.cross_section = "0.016 X 0.022"
    [run] = d.stock_runs()
    assert (run.first, run.count, run.material.name) == (0, 311, "Beta III")
    assert run.cross_section.b_mm == pytest.approx(0.5588)
    assert len(torvik.materials()) == 5 and len(torvik.cross_sections()) == 8
    mixed = torvik.Design.load(MIXED_STOCK)
    assert mixed.material is None and mixed.cross_section is None
    assert [(r.first, r.count, r.material.name) for r in mixed.stock_runs()] == [(0, 2, "Stainless Steel"),
                                                                               (2, 3, "Other"), (5, 1, "Nitinol")]


def test_bad_arguments_raise_input_errors_and_change_nothing():
    d = torvik.Design.load(CLOSING_LOOP)
    before = (d.lengths_mm, d.bends_deg, d.right_bracket.x_mm, d.material)
    bad = [
        (lambda: d.activate(target="pint"), "target must be point, angle, slot or sliding, not 'pint'"),
        (lambda: d.activate(target="angle", sliding=True), "sliding=True needs the slot target"),
        (lambda: d.activate(tolerance_distance_mm=-1), "tolerance_distance_mm must be a finite number not below 0"),
        (lambda: d.activate(max_iterations=0), "max_iterations must be between 1 and 10000000"),
        (lambda: d.curve(0), "steps must be between 1 and 10000"),
        (lambda: setattr(d, "material", "Gold"), "unknown material 'Gold' (one of \"Stainless Steel\", \"TMA\""),
        (lambda: setattr(d.right_bracket, "x_mm", float("nan")), "x_mm must lie within"),
        (lambda: setattr(d.right_bracket, "y_mm", 1e6), "y_mm must lie within"),
        (lambda: setattr(d, "bends_deg", [1, 2]), "bends_deg needs one value per segment (311), not 2"),
        (lambda: d.add_segments([1, -1]), "a segment length must be above 0"),
        (lambda: d.add_segments([1], [float("inf")]), "a bend must be a finite number"),
        (lambda: torvik.Design.load(CLOSING_LOOP, segment_size=0), "segment_size must be greater than 0"),
        (lambda: torvik.Material("x", 0), "modulus must be between 1 and 10000000"),
        (lambda: torvik.CrossSection("x", 0.4, 20), "b_mm must be None (round), 0 or between 0.001 and 10 mm"),
    ]
    for call, message in bad:
        with pytest.raises(torvik.InputError, match=message.replace("(", r"\(").replace(")", r"\)")):
            call()
    after = (d.lengths_mm, d.bends_deg, d.right_bracket.x_mm, d.material)
    assert all(np.array_equal(a, b) for a, b in zip(before[:2], after[:2])) and before[2:] == after[2:]
    assert issubclass(torvik.InputError, ValueError)


def test_a_design_is_refused_to_a_second_thread_while_it_runs():
    d = torvik.Design.load(CLOSING_LOOP)
    done = threading.Event()
    refused = []
    worker = threading.Thread(target=lambda: (d.activate(auto_stop=False, max_iterations=30000), done.set()))
    worker.start()
    while not done.is_set() and not refused:
        try:
            len(d)
        except torvik.BusyError as e:
            refused.append(e)
    worker.join()
    assert refused and isinstance(refused[0], RuntimeError)
    assert len(d) == 311  # free again once the run is over
