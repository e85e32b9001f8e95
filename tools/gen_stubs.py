#!/usr/bin/env python3
"""Writes the type stubs of the module, src/binding/package/__init__.pyi, from
the routine table (src/binding/routines.def: argument letters and element
kinds) and the documentation table (src/binding/routine_docs.def: argument
names, results, purposes). The module composes its docstrings from the same
tables, with the same types.

    tools/gen_stubs.py            rewrite the stub file
    tools/gen_stubs.py --check    exit 1 when the committed stub file is stale
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROUTINES = os.path.join(ROOT, "src", "binding", "routines.def")
DOCS = os.path.join(ROOT, "src", "binding", "routine_docs.def")
STUB = os.path.join(ROOT, "src", "binding", "package", "__init__.pyi")

MATRIX = "Sequence[Sequence[float]] | Sequence[float] | ArrayLike"
SEQUENCE_TYPES = {
    "F": "Sequence[float] | ArrayLike",
    "I": "Sequence[int] | ArrayLike",
    "L": "Sequence[int] | ArrayLike",
    "M": MATRIX,
    "f": "MutableSequence[float] | NDArray[Any]",
    "m": "MutableSequence[float] | NDArray[Any]",
    "i": "MutableSequence[int] | NDArray[Any]",
}
SCALAR_TYPES = {"i": "int", "f": "float", "s": "str | bytes"}

HEADER = '''\
# Type stubs of the module vantix, written by tools/gen_stubs.py from the
# routine table and its documentation table; edit those and run the script.
from collections.abc import Callable, MutableSequence, Sequence
from typing import Any

from numpy.typing import ArrayLike, NDArray

'''


def read_routines():
    rows = {}
    pattern = re.compile(r'^(?:ROUTINE|CUSTOM)\((\w+), (\w+), "([^"]*)", "([^"]*)"\)', re.M)
    for name, family, letters, kinds in pattern.findall(open(ROUTINES).read()):
        rows[name] = (family, letters, "".join(c for c in kinds if c in "FILMfim"))
    return rows


def read_docs():
    docs = {}
    string = r'"((?:[^"\\]|\\.)*)"'
    pattern = re.compile(r"^DOC\((\w+), %s, %s, %s, %s\)" % (string, string, string, string), re.M)
    for name, arguments, results, levels, purpose in pattern.findall(open(DOCS).read()):
        docs[name] = (arguments, results, levels, purpose.replace('\\"', '"'))
    return docs


def split_list(text):
    """Comma-separated items; commas inside brackets belong to a type."""
    items, depth, item = [], 0, ""
    for c in text + ",":
        depth += {"[": 1, "]": -1}.get(c, 0)
        if c == "," and depth == 0:
            if item.strip():
                items.append(item.strip())
            item = ""
        else:
            item += c
    return items


def signature(name, row, doc):
    """The typed signature the docstring shows: "name(a: T, ...) -> R"."""
    family, letters, kinds = row
    arguments, results = split_list(doc[0]), split_list(doc[1])
    typed, sequence, optional = [], 0, False
    names = iter(arguments)
    for letter in letters:
        if letter == "|":
            optional = True
            continue
        argument = next(names)
        argname, _, given = (part.strip() for part in argument.partition(":"))
        if given:
            kind_type = given
        elif letter == "O":
            kind = kinds[sequence] if sequence < len(kinds) else "F"
            if family == "Bytes":
                kind_type = "bytes | bytearray | memoryview"
            elif family == "Callback":
                kind_type = "Callable[..., Any]"
            else:
                kind_type = SEQUENCE_TYPES[kind]
        else:
            kind_type = SCALAR_TYPES[letter]
        if letter == "O":
            sequence += 1
        typed.append("%s: %s%s" % (argname, kind_type, " = ..." if optional else ""))
    types = [r.rsplit(" ", 1)[0] for r in results]
    returns = "None" if not types else types[0] if len(types) == 1 else "tuple[%s]" % ", ".join(types)
    return "%s(%s) -> %s" % (name, ", ".join(typed), returns)


def stub_text():
    rows, docs = read_routines(), read_docs()
    out = [HEADER]
    for name in sorted(rows):
        if name not in docs:
            continue
        sig = signature(name, rows[name], docs[name])
        head, _, tail = sig.partition("(")
        args, _, returns = tail.rpartition(") -> ")
        args = args + ", /" if args else ""
        out.append('def %s(%s) -> %s:\n    """%s"""\n' % (head, args, returns, docs[name][3]))
    return "\n".join(out)


def main():
    text = stub_text()
    if "--check" in sys.argv[1:]:
        current = open(STUB).read() if os.path.exists(STUB) else ""
        if current != text:
            sys.exit("%s is stale: run tools/gen_stubs.py" % os.path.relpath(STUB, ROOT))
        return
    with open(STUB, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
