"""Reading PostScript and EPS files back: Ghostscript as the independent
renderer, and the drawing stream split into its paths."""
import re
import subprocess

HEADER_LINES = 6
PROLOG_LINES = 79


def render(path):
    """Ghostscript renders the file without an error (nullpage device)."""
    proc = subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=nullpage", str(path)],
                          capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0 and "Error" not in proc.stdout + proc.stderr, proc.stdout + proc.stderr


def ghostscript_bbox(path):
    proc = subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=bbox", str(path)],
                          capture_output=True, text=True, timeout=60)
    match = re.search(r"%%BoundingBox: (-?\d+) (-?\d+) (-?\d+) (-?\d+)", proc.stderr + proc.stdout)
    assert match, proc.stderr
    return [int(v) for v in match.groups()]


def declared_bbox(text):
    match = re.search(r"^%%BoundingBox: (-?\d+) (-?\d+) (-?\d+) (-?\d+)$", text, re.M)
    return [int(v) for v in match.groups()]


def drawing(text):
    """The text after the header, the prolog and the set-up line."""
    return "\n".join(text.split("\n")[HEADER_LINES + PROLOG_LINES + 1:])


def paths(text):
    """Every path of the drawing stream as a list of (x, y) device points."""
    tokens = drawing(text).split()
    result, stack, current = [], [], None
    for tok in tokens:
        if re.fullmatch(r"-?\d+", tok):
            stack.append(int(tok))
            continue
        if tok == "u":
            current = [(stack[-2], stack[-1])]
        elif tok == "d":
            current.append((stack[-2], stack[-1]))
        elif tok == "p" and current is not None:
            result.append(current)
            current = None
        stack = []
    return result
