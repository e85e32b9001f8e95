"""Builds the extension module with CMake and installs it as the module
`vantix`:

    pip install --no-build-isolation .

Set VANTIX_CMAKE_BUILD to an existing CMake build directory to reuse it
instead of configuring a fresh one under build-pip/.
"""
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
        built = os.path.join(build_dir, "python", "vantix.so")
        target = self.get_ext_fullpath(ext.name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(built, target)


setup(
    ext_modules=[Extension("vantix", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": os.path.join("build-pip", "setuptools")},
             "egg_info": {"egg_base": "build-pip"}},
)
