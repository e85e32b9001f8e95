"""Command line of the module:

    python3 -m vantix --demo      renders the gallery into the current directory
    python3 -m vantix --version   prints the library's version
"""
import argparse
import os
import subprocess
import sys

import vantix

# The example scripts live in the package's gallery folder; modules there that
# only serve the others are not run on their own.
GALLERY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "gallery")
HELPERS = {"gallery_pages.py"}


def version():
    return "%.1f" % vantix.getver()


def gallery_scripts():
    names = sorted(n for n in os.listdir(GALLERY) if n.endswith(".py") and n not in HELPERS)
    # The demo comes first: it is the quickest look at what the library draws.
    names.sort(key=lambda n: n != "demo.py")
    return [os.path.join(GALLERY, n) for n in names]


def run_demo(directory):
    # Each script runs in its own interpreter: the library keeps one plot
    # state per process, and a script may leave it in any level.
    package_parent = os.path.dirname(os.path.dirname(os.path.abspath(vantix.__file__)))
    env = dict(os.environ)
    env["PYTHONPATH"] = os.pathsep.join(p for p in (package_parent, GALLERY, env.get("PYTHONPATH")) if p)
    failed = 0
    for script in gallery_scripts():
        before = set(os.listdir(directory))
        proc = subprocess.run([sys.executable, script], cwd=directory, env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        made = sorted(set(os.listdir(directory)) - before)
        name = os.path.basename(script)
        if proc.returncode != 0:
            failed += 1
            print("%s failed:\n%s" % (name, proc.stderr), file=sys.stderr)
        else:
            print("%s: %s" % (name, " ".join(made) if made else "nothing written"))
    return 1 if failed else 0


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m vantix", description="The VANTIX plotting library.")
    parser.add_argument("--demo", action="store_true", help="render the gallery into the current directory")
    parser.add_argument("--version", action="store_true", help="print the version and end")
    options = parser.parse_args(argv)
    if options.version:
        print("vantix", version())
        return 0
    if options.demo:
        return run_demo(os.getcwd())
    parser.print_help()
    return 0


if __name__ == "__main__":
    sys.exit(main())
