#!/usr/bin/env python3
"""Rewrites warnings raised by literal number into the names of warnings.def.

    tools/convert_warning_calls.py [paths...]     (default: src/)

  warnin(2)                      -> warnin(Warning::IncorrectParameter)
  warni1(3, level)               -> warni1(Warning::IncorrectLevel, level)
  warnc1(36, name)               -> warnc1(Warning::FileError, name)
  warnInstruction(43, text, n)   -> warnInstruction(Warning::InstructionParameter, text, n)
  qqserr(text); warnin(101);     -> warnText(101, text);
  qqserr(text); warni1(105, v);  -> warnText(105, text, v);

Running it again changes nothing. Every change is printed; literal numbers
it cannot rewrite (a number without a row, a text warning without its
qqserr) are listed at the end for a hand conversion, and the exit status is
then 1. Numbers computed at run time are left to the compiler: library code
sees only the forms that take a Warning.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = ROOT / "src" / "core" / "warnings.def"
# The message code itself raises warnings by number on purpose.
SKIP = {"src/core/messages.cpp", "src/core/messages.h"}

ROW = re.compile(r"^WARNING\(\s*(\d+)\s*,\s*(\w+)\s*,", re.M)
# A string literal or any text without a semicolon, as the argument of qqserr.
TEXT = r'(?:"(?:[^"\\]|\\.)*"|[^;"])*?'
TEXT_WARNING = re.compile(
    r"\bqqserr\((?P<text>" + TEXT + r")\);(?P<gap>\s*)"
    r"(?P<qual>(?:vtx::)?)(?P<fn>warnin|warni1)\((?P<num>\d+)(?P<rest>(?:,[^;]*)?)\);")
# Functions whose first argument is a warning number: the three message
# routines and the library's helpers that pass a number on to them.
RAISING = r"(?P<fn>warnin|warni1|warnc1|warnInstruction)"
NUMBERED = re.compile(r"\b" + RAISING + r"\((?P<num>\d+)(?P<end>\s*[,)])")


def read_table():
    return {int(n): name for n, name in ROW.findall(TABLE.read_text())}


def line_of(text, pos):
    return text.count("\n", 0, pos) + 1


def convert(path, names, changes, leftovers):
    rel = path.relative_to(ROOT).as_posix() if path.is_relative_to(ROOT) else str(path)
    if rel in SKIP:
        return
    source = path.read_text()

    def text_warning(m):
        num = int(m["num"])
        if num <= 100:
            return m[0]
        rest = m["rest"] or ""
        new = f"{m['qual']}warnText({num}, {m['text']}{rest});"
        changes.append(f"{rel}:{line_of(source, m.start())}: {' '.join(m[0].split())}  ->  {new}")
        return new

    converted = TEXT_WARNING.sub(text_warning, source)

    def numbered(m):
        num = int(m["num"])
        if num not in names:
            return m[0]
        new = f"{m['fn']}(Warning::{names[num]}{m['end']}"
        changes.append(f"{rel}:{line_of(converted, m.start())}: {m[0]}  ->  {new}")
        return new

    converted = NUMBERED.sub(numbered, converted)

    # Arguments that are not literals are left to the compiler: library code
    # sees only the forms taking a Warning.
    for m in NUMBERED.finditer(converted):
        leftovers.append(f"{rel}:{line_of(converted, m.start())}: {m['fn']}({m['num']} ...")

    if converted != source:
        path.write_text(converted)


def main(argv):
    names = read_table()
    targets = [pathlib.Path(a).resolve() for a in argv] or [ROOT / "src"]
    files = []
    for t in targets:
        files += sorted(p for p in t.rglob("*") if p.suffix in (".cpp", ".h")) if t.is_dir() else [t]
    changes, leftovers = [], []
    for f in files:
        convert(f, names, changes, leftovers)
    for c in changes:
        print(c)
    print(f"{len(changes)} call(s) converted")
    if leftovers:
        print("left for a hand conversion:")
        for l in leftovers:
            print("  " + l)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
