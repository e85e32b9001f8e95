"""Docstrings and type stubs: every function of the module documents its
signature, and the stub file agrees with it and with mypy."""
import inspect
import os
import re
import shutil
import subprocess
import textwrap

import pytest

from conftest import MODULE_DIR, PYTHON, ROOT

STUB = os.path.join(MODULE_DIR, "vantix", "__init__.pyi")


def module_functions(vantix):
    return {name: getattr(vantix, name) for name in dir(vantix)
            if not name.startswith("_") and inspect.isbuiltin(getattr(vantix, name))}


def stub_signatures():
    text = open(STUB).read()
    return {m.group(1): m.group(0)[4:-1].replace(", /)", ")")
            for m in re.finditer(r"^def (\w+)\(.*\) -> .*:$", text, re.M)}


def test_every_function_documents_the_signature_the_stub_declares(vantix):
    functions, stubs = module_functions(vantix), stub_signatures()
    assert len(functions) > 500
    for name, function in functions.items():
        doc = function.__doc__ or ""
        assert name in stubs, name
        # The typed signature line of the docstring is the stub's, word for word.
        assert doc.splitlines()[0] == stubs[name], name
        assert re.search(r"^Levels?: [0-3](, [0-3])*\.$", doc, re.M), name
        assert "Returns: " in doc, name
        # The documented arguments are the ones the wrapper parses: one more is refused.
        count = len(inspect.signature(function).parameters)
        with pytest.raises(TypeError, match=r"(exactly|at most) %d argument" % count):
            function(*[None] * (count + 1))


def test_help_shows_names_types_levels_and_results(vantix):
    assert str(inspect.signature(vantix.curve)) == "(x, y, n, /)"
    assert vantix.curve.__doc__.startswith(
        "curve(x: Sequence[float] | ArrayLike, y: Sequence[float] | ArrayLike, n: int) -> None\n")
    assert "Levels: 2, 3." in vantix.curve.__doc__
    assert "-> tuple[int, int]" in vantix.getpag.__doc__
    assert "Returns: (width: int, height: int)." in vantix.getpag.__doc__
    assert "Level: 0." in vantix.metafl.__doc__
    assert "Written back after the call: x, y." in vantix.sortr2.__doc__
    assert "function: Callable[[float, float], float]" in vantix.surfun.__doc__


def test_committed_stub_is_generated_from_the_tables():
    check = subprocess.run([PYTHON, os.path.join(ROOT, "tools", "gen_stubs.py"), "--check"],
                           capture_output=True, text=True)
    assert check.returncode == 0, check.stderr


GOOD = '''\
import numpy as np
import vantix as v

x = np.linspace(0.0, 1.0, 11)
v.metafl("png")
v.vtxini()
v.graf(0.0, 1.0, 0.0, 0.2, 0.0, 1.0, 0.0, 0.2)
v.curve(x, [float(i) for i in range(11)], 11)
width, height = v.getpag()
total: int = width + height
name: str = v.getfil()
version: float = v.getver()
out = [0.0] * 200
count: int = v.spline(x, x, 11, out, np.zeros(200))
v.surfun(lambda a, b: a * b, 1, 0.1, 1, 0.1)
v.vtxfin()
'''

BAD = '''\
import vantix as v

v.curve([1.0], [1.0])
v.height(2.5)
label: int = v.getfil()
v.getpag(1)
'''


@pytest.mark.skipif(subprocess.run([PYTHON, "-m", "mypy", "--version"], capture_output=True).returncode != 0,
                    reason="mypy is not installed")
def test_stub_passes_mypy_strict_and_catches_wrong_calls(tmp_path):
    (tmp_path / "good.py").write_text(GOOD)
    (tmp_path / "bad.py").write_text(BAD)
    env = dict(os.environ, MYPYPATH=MODULE_DIR)
    result = subprocess.run([PYTHON, "-m", "mypy", "--strict", "--no-incremental", "good.py", "bad.py"],
                            cwd=tmp_path, env=env, capture_output=True, text=True, timeout=300)
    errors = re.findall(r"^(\w+\.py):(\d+): error", result.stdout, re.M)
    assert [e for e in errors if e[0] == "good.py"] == [], result.stdout
    assert sorted({int(line) for f, line in errors if f == "bad.py"}) == [3, 4, 5, 6], result.stdout
