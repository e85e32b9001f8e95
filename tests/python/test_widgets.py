"""Dialogs built from widgets: used on a private X server with xdotool (the
events are scheduled before wgfin waits for them), in terminal mode through
standard input, and every message of the widget routines."""
import pytest

import x11_server

needs_x = pytest.mark.skipif(bool(x11_server.tools_missing()),
                             reason="needs %s" % ", ".join(x11_server.tools_missing()))

PRELUDE = """
import subprocess, sys
def say(*a):
    print(*a, flush=True)
def later(*commands):
    # xdotool steps run one after another while wgfin waits.
    return subprocess.Popen(["sh", "-c", "sleep 0.5; " + "; sleep 0.3; ".join(commands)])
def click(wid, x, y):
    return "xdotool mousemove --window %d %d %d click 1" % (wid, x, y)
"""


@pytest.fixture(scope="module")
def display():
    server = x11_server.Server("1024x768x24")
    yield server.display
    server.stop()


@pytest.fixture
def xrun(run, display):
    def runner(code, **kw):
        return run(PRELUDE + code, env={"DISPLAY": display}, **kw)
    return runner


@needs_x
class TestOnX:
    def test_values_after_clicks_typing_keys_and_ok(self, xrun):
        out = xrun("""
def scale_moved(i, data):
    say('scale', i, data, round(v.gwgscl(i), 1))
def boom(i):
    raise ZeroDivisionError('from a callback')
def pressed(i):
    say('pressed', i)
top = v.wgini('VERT')
toggle = v.wgbut(top, 'Toggle', 0)
items = v.wglis(top, 'one|two|three', 1)
text = v.wgtxt(top, '')
scale = v.wgscl(top, 'Scale', 0.0, 10.0, 5.0, 1)
row = v.wgbas(top, 'HORI')
bad = v.wgpbut(row, 'Raises')
push = v.wgpbut(row, 'Push')
ok = v.wgok(top)
v.swgcb(scale, scale_moved, ['data'])
v.swgcbk(bad, boom)
v.swgcbk(push, pressed)
v.reawgt()
ids = {name: v.gwgxid(w) for name, w in
       dict(toggle=toggle, items=items, text=text, scale=scale, bad=bad, push=push, ok=ok).items()}
later(click(ids['bad'], 10, 10), click(ids['push'], 10, 10), click(ids['toggle'], 8, 8),
      click(ids['items'], 20, 45), click(ids['text'], 20, 10), "xdotool type --delay 20 hello",
      click(ids['scale'], 80, 27), "xdotool key Right Right", click(ids['ok'], 20, 10))
v.wgfin()
say(v.gwgbut(toggle), v.gwglis(items), repr(v.gwgtxt(text)), round(v.gwgscl(scale), 1), push, scale)
""")
        lines = out.stdout.splitlines()
        push, scale = lines[-1].split()[-2:]
        assert lines[-1].startswith("1 3 'hello' 5.2 ")
        # The raising callback is reported and the dialog goes on.
        assert "ZeroDivisionError: from a callback" in out.stderr
        assert lines[0] == "pressed %s" % push
        assert lines[1:-1] == ["scale %s ['data'] %s" % (scale, x) for x in ("5.0", "5.1", "5.2")]

    def test_menu_ok_takes_the_text_and_quit_ends_the_process_with_status_0(self, xrun):
        out = xrun("""
v.swgfnt('nosuchfont', 12)
v.swgtit('Menu test')
top = v.wgini('VERT')
text = v.wgtxt(top, 'a')
v.reawgt()
shell = int(subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', 'Menu test'],
                           capture_output=True, text=True).stdout.split()[0])
later(click(v.gwgxid(text), 10, 10), "xdotool key End type b", click(shell, 25, 15), click(shell, 30, 45))
v.wgfin()
print(v.gwgtxt(text))
top = v.wgini('VERT')
quit = v.wgquit(top)
v.reawgt()
print('shown')
later(click(v.gwgxid(quit), 10, 10))
v.wgfin()
print('not reached')
""")
        assert out.stdout.splitlines() == [">>>> Font cannot be loaded: *-nosuchfont-Bold-R-Normal--12*", "ab", "shown"]

    def test_sendmb_ends_the_screen_windows_wait_for_a_button(self, xrun):
        out = xrun("v.metafl('XWIN')\nv.vtxini()\nv.errmod('PROT', 'OFF')\nv.sendmb()\nv.vtxfin()\nsay('ended')\n")
        assert out.stdout == "ended\n"

    def test_file_field_browses_with_its_mask(self, xrun, tmp_path):
        for name in ("b.txt", "a.dat", "c.dat"):
            (tmp_path / name).write_text("x")
        out = xrun("""
import os
top = v.wgini('VERT')
f = v.wgfil(top, 'Pick', 'none', os.getcwd() + '/*.dat')
ok = v.wgok(top)
v.swgcbk(f, lambda i: say('picked', os.path.basename(v.gwgfil(i))))
v.reawgt()
later(click(v.gwgxid(f), 120, 10), "sleep 0.5", "xdotool key Down Return", click(v.gwgxid(ok), 10, 10))
v.wgfin()
""")
        assert out.stdout == "picked a.dat\n"

    def test_layout_nesting_setters_and_drawing_area(self, xrun, tmp_path):
        out = xrun("""
v.swgwth(30)
v.swgpos(100, 50)
top = v.wgini('HORI')
left = v.wgbas(top, 'VERT')
right = v.wgbas(top, 'VERT')
a = v.wglab(left, 'a')
b = v.wglab(left, 'b')
box = v.wgbox(right, 'x|y|z', 2)
draw = v.wgdraw(right)
hidden = v.wgtxt(right, 'invisible')
v.swgatt(hidden, 'INVI', 'STAT')
def nested(i):
    v.swgpos(-1, -1)
    inner = v.wgini('VERT')
    v.wglab(inner, 'inner')
    v.reawgt()
    say('nested at', subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', 'VANTIX'], capture_output=True,
                                    text=True).stdout.count('\\n'), 'windows')
    v.sendok()
    v.wgfin()
    v.swgbox(box, 3)
    v.sendok()
v.swgcbk(box, nested)
v.reawgt()
geo = lambda w: subprocess.run(['xdotool', 'getwindowgeometry', str(w)], capture_output=True, text=True).stdout
def size(w):
    return [l.split(':')[1].strip() for l in geo(w).splitlines() if 'Geometry' in l][0]
say('label sizes', size(v.gwgxid(a)), size(v.gwgxid(b)), 'draw', size(v.gwgxid(draw)))
v.metafl('XWIN')
v.vtxini()
v.color('RED')
v.shdpat(16)
v.areaf([0, 2969, 2969, 0], [0, 0, 2099, 2099], 4)
v.vtxfin()
subprocess.run(['import', '-window', str(v.gwgxid(draw)), 'draw.png'], check=True, timeout=60)
later(click(v.gwgxid(box), 10, 10))
v.wgfin()
say('after', v.gwgbox(box))
""")
        # 30 characters wide; a drawing area as high as wide.
        sizes = out.stdout.split()
        width = sizes[2].split("x")[0]
        assert sizes[3].split("x")[0] == width and sizes[5] == "%sx%s" % (width, width)
        assert "nested at 2 windows" in out.stdout
        assert "after 3" in out.stdout
        from PIL import Image
        with Image.open(tmp_path / "draw.png") as im:
            assert im.convert("RGB").getpixel((120, 120)) == (255, 0, 0)


class TestTerminal:
    DIALOG = """
v.swgmod('{mode}')
top = v.wgini('VERT')
v.wglab(top, 'Settings')
t = v.wgbut(top, 'Verbose', 0)
l = v.wglis(top, 'red|green|blue', 1)
x = v.wgltxt(top, 'Name', 'anna', 30)
s = v.wgscl(top, 'Level', 0.0, 10.0, 2.0, 1)
v.swgcbk(t, lambda i: say('toggled', i, v.gwgbut(i)))
v.wgfin()
say('values', v.gwgbut(t), v.gwglis(l), v.gwgtxt(x), v.gwgscl(s))
"""

    def test_answers_refusals_and_callbacks(self, run):
        out = run(PRELUDE + self.DIALOG.format(mode="ASCI"), stdin="maybe\ny\n7\n3\nbob\n11\n7.5\n")
        assert out.stdout.splitlines() == [
            "Settings",
            "Verbose (Y/N): <<<< Not allowed Option!",
            "Verbose (Y/N): toggled 3 1",
            "  1) red", "  2) green", "  3) blue",
            "Select an item (1-3) [1]: <<<< Not allowed Option!",
            "Select an item (1-3) [1]: Name [anna]: Level (0.0 - 10.0) [2.0]: <<<< Not allowed Option!",
            "Level (0.0 - 10.0) [2.0]: values 1 3 bob 7.5",
        ]

    def test_end_of_input_keeps_the_values_and_auto_falls_back_without_display(self, run):
        out = run(PRELUDE + self.DIALOG.format(mode="AUTO"), stdin="")
        assert out.stdout.splitlines()[-1] == "values 0 1 anna 2.0"

    def test_xwin_without_display_stops(self, run):
        out = run(PRELUDE + "v.swgmod('XWIN')\nv.wgini('VERT')\nsay('not reached')\n")
        assert out.stdout == "<<<< Can't open X Window display!\n"


def test_messages(run):
    out = run(PRELUDE + """
v.swgmod('ASCI')
v.wglab(1, 'x'); v.wgpop(1, 'x'); v.wgapp(1, 'x'); v.swgcb(1, lambda i, d: 0, 0)
v.gwgbut(1); v.swgbut(1, 1); v.gwgatt(1, 'STAT')
v.swgmod('ABC'); v.swgwth(0); v.swgwth(-101); v.swgspc(-200.0, 1.0); v.swgstp(0.0); v.swgdrw(-1.0)
v.swgclr(1.5, 0.0, 0.0, 'BACK'); v.swgjus('LEFT', 'XYZ'); v.swgtyp('HORI', 'SCALE'); v.swgtyp('DIAG', 'BOX')
top = v.wgini('VERT')
lab = v.wglab(top, 'label')
v.wglab(lab, 'child of a label')
v.swgcbk(lab, say); v.swgcbk(top, say); v.swgcbk(99, say)
v.wglis(top, 'a|b', 3); v.wgdlis(top, 'a', 0); v.wgbox(top, 'a|b|c', 4)
v.wgscl(top, 's', 0.0, 1.0, 2.0, 0)
box = v.wgbox(top, 'a|b', 1)
v.swgbox(box, 5); v.swgbox(lab, 1); v.swgbut(box, 1); v.swgscl(box, 1.0); v.swgtxt(99, 'x')
v.gwgtxt(box); v.gwgxid(box); v.gwgatt(99, 'STAT'); v.swgatt(box, 'GONE', 'STAT')
v.wgpop(lab, 'menu'); v.wgapp(lab, 'entry')
say('ids', top, lab, box)
inner = [v.wgini('VERT') for k in range(8)][6]
made = 0
while v.wglab(inner, 'x') > 0:
    made += 1
say('made', made)
""")
    expected = """\
>>>> No call to WGINI before in WGLAB!
>>>> No call to WGINI before in WGPOP!
>>>> No call to WGINI before in WGAPP!
>>>> No call to WGINI before in SWGCB!
<<<< Not call to WGINI before GWGBUT!
<<<< SWGBUT must be used between WGINI and WGFIN!
<<<< GWGATT must be used between WGINI and WGFIN!
>>>> Warning: Not allowed parameter in SWGMOD! (ABC)
>>>> Bad value in SWGWTH!
>>>> Bad value in SWGWTH!
>>>> Bad value in SWGSPC!
>>>> Bad value in SWGSTP!
>>>> Bad value in SWGDRW!
>>>> Not allowed parameter in SWGCLR!
>>>> Warning: Not allowed parameter in SWGJUS! (XYZ)
>>>> Warning: Not allowed parameter in SWGTYP! (DIAG)
>>>> Not allowed parent ID in WGLAB!
>>>> Callbacks cannot be defined for Label widgets
>>>> Callbacks cannot be defined for Parent widgets
<<<< Not allowed widget ID in SWGCBK!
<<<< Selected list element out of range in WGLIS!
<<<< Selected list element out of range in WGDLIS!
<<<< Selected list element out of range in WGBOX!
<<<< Value is out of range in WGSCL!
<<<< Not allowed value in SWGBOX!
<<<< Not allowed ID in SWGBOX!
<<<< Not allowed ID in SWGBUT!
<<<< Not allowed ID in SWGSCL!
<<<< Not allowed widget ID in SWGTXT!
<<<< Not allowed ID in GWGTXT!
<<<< Widget is not realized in GWGXID!
<<<< Not allowed ID in GWGATT!
>>>> Warning: Not allowed parameter in SWGATT! (GONE)
>>>> Not allowed ID in WGPOP!
>>>> Parent must be a Popup widget in WGAPP!
ids 1 2 3
>>>> Too many nested widgets!
>>>> Too many widgets in WGLAB!
made 190
"""
    assert out.stdout == expected


def test_readme_example_and_demo_in_terminal_mode(run, tmp_path):
    import os
    import re
    from conftest import ROOT
    readme = open(os.path.join(ROOT, "README.md"), encoding="utf-8").read()
    code = re.search(r"## Dialogs and widgets.*?```python\n(.*?)```", readme, re.S).group(1)
    out = run(code, stdin="y\n3\n7\n")
    assert out.stdout.splitlines()[-2:] == ["Select an item (1-3) [2]: Level (0.0 - 10.0) [2.5]: level 7.0", "1 3 7.0"]
    demo = open(os.path.join(ROOT, "examples", "widgets_demo.py")).read()
    out = run(demo, stdin="2\n3\n")
    assert out.stdout.endswith("[1.0]: widgets_demo: cosine with frequency 3.0 in widgets_demo.png\n")
    assert (tmp_path / "widgets_demo.png").stat().st_size > 1000
