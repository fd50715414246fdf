# Runs the Python module's tests with pytest; exits 77 (skipped) when pytest or NumPy is missing.
# Usage: run_tests.py  (PYTHONPATH holds the built module; TORVIK_ACTIVATE names torvik-activate,
# TORVIK_SOURCE the source tree)
import importlib.util
import os
import sys

missing = [name for name in ("pytest", "numpy") if importlib.util.find_spec(name) is None]
if missing:
    print(f"{' and '.join(missing)} not installed for {sys.executable} "
          "(Debian: python3-pytest, python3-numpy); skipped")
    sys.exit(77)

# No cache or byte code in the source tree.
sys.dont_write_bytecode = True
import pytest  # noqa: E402

here = os.path.dirname(os.path.abspath(__file__))
sys.exit(pytest.main(["-q", "-p", "no:cacheprovider", here] + sys.argv[1:]))
