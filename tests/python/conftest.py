"""Shared helpers: the module under test and scenarios in fresh processes.

The library keeps one process-wide state record, so every scenario that needs
a fresh record runs as its own Python process (`run`). Pure conversions that
do not depend on the record run in-process through the `vantix` fixture.
"""
import os
import subprocess
import sys
import textwrap

import pytest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("VANTIX_BUILD", os.path.join(ROOT, "build"))
MODULE_DIR = os.path.join(BUILD, "python")
PYTHON = "/usr/bin/python3"

sys.path.insert(0, MODULE_DIR)


@pytest.fixture(scope="session")
def vantix():
    import vantix as module
    return module


class Run:
    def __init__(self, proc):
        self.stdout = proc.stdout
        self.stderr = proc.stderr
        self.returncode = proc.returncode

    def warnings(self):
        return [line for line in self.stdout.splitlines() if line.startswith(" <<<< Warning")]


@pytest.fixture
def install_dir(tmp_path):
    """The installation directory ($VANTIX) of the scenarios of a test."""
    return tmp_path.parent / (tmp_path.name + "-install")


@pytest.fixture
def run(tmp_path):
    """Runs a script that starts with `import vantix as v` in tmp_path."""

    def runner(code, env=None, stdin=None, cwd=None):
        script = "import vantix as v\n" + textwrap.dedent(code)
        environ = dict(os.environ)
        environ["PYTHONPATH"] = MODULE_DIR
        install = tmp_path.parent / (tmp_path.name + "-install")
        install.mkdir(exist_ok=True)
        environ["VANTIX"] = str(install)
        environ.pop("DISPLAY", None)
        environ.update(env or {})
        proc = subprocess.run([PYTHON, "-c", script], cwd=cwd or tmp_path, env=environ, input=stdin,
                              capture_output=True, text=True, encoding="latin-1", timeout=120)
        result = Run(proc)
        if proc.returncode != 0:
            raise AssertionError("scenario failed (%d):\n%s\n%s" % (proc.returncode, proc.stdout, proc.stderr))
        return result

    return runner
