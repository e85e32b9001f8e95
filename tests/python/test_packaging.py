"""pip builds and installs the module from the source tree."""
import os
import subprocess

import pytest

from conftest import BUILD, PYTHON, ROOT


@pytest.mark.skipif(not os.path.exists(os.path.join(BUILD, "CMakeCache.txt")), reason="needs a CMake build")
def test_pip_installs_an_importable_module_into_a_fresh_venv(tmp_path):
    venv = tmp_path / "venv"
    subprocess.run([PYTHON, "-m", "venv", "--system-site-packages", str(venv)], check=True)
    python = str(venv / "bin" / "python")
    # The existing build is reused, so the install takes seconds, not a full compile.
    env = dict(os.environ, VANTIX_CMAKE_BUILD=BUILD, PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1")
    env.pop("PYTHONPATH", None)
    install = subprocess.run([python, "-m", "pip", "install", "--no-build-isolation", ROOT], env=env,
                             capture_output=True, text=True, timeout=300)
    assert install.returncode == 0, install.stdout + install.stderr
    check = subprocess.run([python, "-c", "import vantix; print(vantix.__file__); print(vantix.getver())"],
                           cwd=tmp_path, env=env, capture_output=True, text=True, timeout=60)
    assert check.returncode == 0, check.stderr
    location, version = check.stdout.split()
    assert location.startswith(str(venv)) and abs(float(version) - 8.2) < 1e-6
    package = os.path.dirname(location)
    for name in ("__init__.pyi", "py.typed", "__main__.py", os.path.join("gallery", "demo.py")):
        assert os.path.isfile(os.path.join(package, name)), name

    # The command line of the installed package: its version, and the gallery
    # rendered into the current directory by every script in a process of its own.
    version = subprocess.run([python, "-m", "vantix", "--version"], cwd=tmp_path, env=env,
                             capture_output=True, text=True, timeout=60)
    assert version.stdout == "vantix 8.2\n", version.stderr
    gallery = tmp_path / "gallery"
    gallery.mkdir()
    demo = subprocess.run([python, "-m", "vantix", "--demo"], cwd=gallery, env=env,
                          capture_output=True, text=True, timeout=600)
    assert demo.returncode == 0, demo.stderr
    assert demo.stdout.startswith("demo.py: ")
    made = set(os.listdir(gallery))
    assert {"demo.png", "demo.pdf", "demo.svg", "demo.met", "quick_curve.png"} <= made
    assert len([name for name in made if name.endswith(".png")]) > 10
