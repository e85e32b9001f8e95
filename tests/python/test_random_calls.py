"""A bounded, seeded run of random calls with extreme arguments: every process
ends normally and every file it writes passes its independent reader.
`make stress N=…` runs the same tool for longer."""
import os
import subprocess

from conftest import BUILD, PYTHON, ROOT


def sanitized():
    cache = os.path.join(BUILD, "CMakeCache.txt")
    return os.path.exists(cache) and "VANTIX_SANITIZE:BOOL=ON" in open(cache).read()


def test_random_calls_end_normally_and_write_valid_files():
    runs = "60" if sanitized() else "400"
    for seed in ("1", "2"):
        proc = subprocess.run([PYTHON, os.path.join(ROOT, "tools", "random_calls.py"), "--build", BUILD,
                               "--seed", seed, "--runs", runs, "--timeout", "60"],
                              capture_output=True, text=True, timeout=900)
        assert proc.returncode == 0, proc.stdout[-4000:]
