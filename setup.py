"""Builds the extension module with CMake and installs it as the module
`vantix`:

    pip install --no-build-isolation .

Set VANTIX_CMAKE_BUILD to an existing CMake build directory to reuse it
instead of configuring a fresh one under build-pip/.
"""
import glob
import os
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = os.path.dirname(os.path.abspath(__file__))
# setuptools keeps its metadata and build files under build-pip/, which must exist.
os.makedirs(os.path.join(ROOT, "build-pip"), exist_ok=True)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        build_dir = os.environ.get("VANTIX_CMAKE_BUILD")
        if not build_dir:
            build_dir = os.path.join(ROOT, "build-pip", "cmake")
            subprocess.check_call(["cmake", "-S", ROOT, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release",
                                   "-DPython3_EXECUTABLE=" + sys.executable])
        jobs = str(os.cpu_count() or 1)
        subprocess.check_call(["cmake", "--build", build_dir, "--target", "vantix", "-j", jobs])
        # The build tree holds the whole package: the extension as its
        # __init__, __main__.py, the stubs and the gallery scripts.
        package = os.path.join(build_dir, "python", "vantix")
        target = self.get_ext_fullpath(ext.name)
        if os.path.isdir(os.path.dirname(target)):
            shutil.rmtree(os.path.dirname(target))
        shutil.copytree(package, os.path.dirname(target),
                        ignore=shutil.ignore_patterns("__pycache__", "__init__*.so"))
        built = glob.glob(os.path.join(package, "__init__*.so"))
        if len(built) != 1:
            sys.exit("expected one extension module in %s, found %d" % (package, len(built)))
        shutil.copyfile(built[0], target)


setup(
    ext_modules=[Extension("vantix.__init__", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": os.path.join("build-pip", "setuptools")},
             "egg_info": {"egg_base": "build-pip"}},
)
