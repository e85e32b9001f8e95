"""The screen window on a private X server: geometry and titles, the
window's pixels against the PNG device's, repainting, every way the wait at
the end can finish, and cursor input. Clicks and keys come from xdotool,
scheduled before the call that waits for them."""
import os
import subprocess

import pytest
from PIL import Image, ImageChops

import x11_server
from conftest import MODULE_DIR, PYTHON, ROOT

pytestmark = pytest.mark.skipif(bool(x11_server.tools_missing()),
                                reason="needs %s" % ", ".join(x11_server.tools_missing()))

PRELUDE = """
import subprocess, sys, time
def later(seconds, command):
    return subprocess.Popen(["sh", "-c", "sleep %s; %s" % (seconds, command)])
def title(wid):
    p = subprocess.run(["xdotool", "getwindowname", str(wid)], capture_output=True, text=True)
    return p.stdout.strip() if p.returncode == 0 else "<gone>"
def geometry(wid):
    out = subprocess.run(["xdotool", "getwindowgeometry", str(wid)], capture_output=True, text=True).stdout
    return " ".join(line.split(":")[1].split("(")[0].strip() for line in out.splitlines()[1:])
def click(wid, button, x=100, y=100):
    return "xdotool mousemove --window %d %d %d click %d" % (wid, x, y, button)
def key(wid, name):
    return "xdotool key --window %d %s" % (wid, name)
"""

# A page with axes, a curve, filled shapes in several colours and text.
DRAWING = """
v.setvlt('RAIN')
v.graf(0.0, 10.0, 0.0, 2.0, -1.0, 1.0, -1.0, 0.5)
xs = [i / 10 for i in range(101)]
v.color('RED')
v.curve(xs, [((x * 7) % 10) / 5 - 1 for x in xs], 101)
v.shdpat(16)
v.color('GREEN')
v.areaf([600, 1100, 1100, 600], [900, 900, 1300, 1300], 4)
v.color('BLUE')
v.areaf([1800, 2100, 1950], [500, 500, 800], 3)
v.color('FORE')
v.titlin('Window', 1)
v.title()
v.endgrf()
v.axspos(2300, 1900)
v.axslen(500, 500)
v.shdmod('SMOOTH', 'SURF')
v.nobar()
v.graf3(0.0, 1.0, 0.0, 0.5, 0.0, 1.0, 0.0, 0.5, 0.0, 1.0, 0.0, 0.5)
v.crvtri([0.0, 1.0, 0.0], [0.0, 0.0, 1.0], [0.0, 0.5, 1.0], 3, [1], [2], [3], 1)
v.endgrf()
open('img.ppm', 'wb').write(b'P6 3 2 255\\n' + bytes([255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 0, 255, 255, 9, 9, 9]))
v.filbox(2450, 300, 450, 400)
v.incfil('img.ppm')
"""


@pytest.fixture(scope="module")
def display():
    server = x11_server.Server()
    yield server.display
    server.stop()


@pytest.fixture
def xrun(run, display):
    def runner(code):
        return run(PRELUDE + code, env={"DISPLAY": display})
    return runner


def lines(out):
    return [line for line in out.stdout.splitlines() if line.strip() and not line.startswith(" <<")]


def same_pixels(a, b):
    with Image.open(a) as p, Image.open(b) as q:
        p, q = p.convert("RGB"), q.convert("RGB")
        return p.size == q.size and ImageChops.difference(p, q).getbbox() is None


class TestWindows:
    def test_geometry_titles_and_display_requests(self, xrun):
        out = xrun("""
v.metafl('XWIN')
v.vtxini()
v.winmod('NONE')
w1 = v.getxid('WIND')
print(title(w1))
v.vtxfin()
print(geometry(w1), '|', title(w1))
v.metafl('XWI2')
v.vtxini()
w2 = v.getxid('WIND')
print(title(w1), '|', title(w2), '|', v.winid(), v.getxid('PIXM') > 0, v.getxid('SCRE') > 0)
v.winmod('NONE')
v.vtxfin()
print(v.getdsp(), v.getscr(), v.getbpp())
v.metafl('CONS')
v.wintit('Own title')
v.vtxini()
v.winmod('NONE')
print(v.getmfl(), geometry(v.getxid('WIND')), '|', title(v.getxid('WIND')))
v.vtxfin()
""")
        assert lines(out)[:5] == [
            "VANTIX 1 / Working",
            "629,164 1280x905 | VANTIX 1",
            "VANTIX 1 | VANTIX 2 / Working | 2 True True",
            "XWIN (1920, 1080) 24",
            "CONS 11,0 1898x1342 | Own title",
        ]

    def test_several_windows_keep_their_own_pictures(self, xrun, tmp_path):
        out = xrun("""
v.metafl('XWIN')
v.winsiz(300, 200)
v.vtxini()
v.winmod('NONE')
def fill(colour, x=0, y=0, w=2969, h=2099):
    v.color(colour)
    v.shdpat(16)
    v.areaf([x, x + w, x + w, x], [y, y, y + h, y + h], 4)
fill('RED')
w1 = v.getxid('WIND')
v.opnwin(2)
w2 = v.getxid('WIND')
fill('BLUE')
print(v.winid(), title(w1), '|', title(w2))
v.selwin(1)
fill('GREEN', 0, 0, 1000, 1000)
v.selwin(5)
v.sendbf()
print(v.winid(), title(w1), '|', title(w2))
subprocess.run(['import', '-window', str(w1), 'one.png'], check=True, timeout=60)
subprocess.run(['import', '-window', str(w2), 'two.png'], check=True, timeout=60)
v.clswin(2)
print(title(w2))
v.vtxfin()
""")
        assert lines(out) == ["2 VANTIX 1 | VANTIX 2 / Working",
                              "1 VANTIX 1 / Working | VANTIX 2",
                              "<gone>"]
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in SELWIN!   (   5)"]
        with Image.open(tmp_path / "one.png") as one, Image.open(tmp_path / "two.png") as two:
            one, two = one.convert("RGB"), two.convert("RGB")
            assert one.size == two.size == (300, 200)
            assert one.getpixel((20, 20)) == (0, 255, 0) and one.getpixel((250, 150)) == (255, 0, 0)
            assert two.getpixel((20, 20)) == two.getpixel((250, 150)) == (0, 0, 255)

    def test_another_programs_window_is_drawn_into_without_waiting(self, xrun, run, tmp_path):
        run("v.metafl('PNG')\nv.winsiz(320, 240)\nv.setfil('page.png')\nv.vtxini()\n" + DRAWING + "v.vtxfin()\n")
        out = xrun("""
sys.path.insert(0, %r)
import x11_server
connection, outside = x11_server.create_window(320, 240, 'outside')
v.setxid(outside, 'WIND')
v.metafl('XWIN')
v.vtxini()
""" % os.path.dirname(x11_server.__file__) + DRAWING + """
v.sendbf()
subprocess.run(['import', '-window', str(outside), 'shown.png'], check=True, timeout=60)
start = time.time()
v.vtxfin()
print(time.time() - start < 0.5, title(outside))
v.setxid(-1, 'NONE')
v.vtxini()
v.winmod('NONE')
print(v.getxid('WIND') != outside, title(v.getxid('WIND')))
v.vtxfin()
""")
        assert lines(out) == ["True outside", "True VANTIX 1 / Working"]
        assert same_pixels(tmp_path / "page.png", tmp_path / "shown.png")

    def test_window_pixels_equal_png_pixels_and_the_window_saves_as_png(self, xrun, run, tmp_path):
        run("v.metafl('PNG')\nv.winsiz(1280, 905)\nv.setfil('page.png')\nv.vtxini()\n" + DRAWING + "v.vtxfin()\n")
        xrun("""
v.metafl('XWIN')
v.vtxini()
v.winmod('NONE')
""" + DRAWING + """
v.sendbf()
subprocess.run(['import', '-window', str(v.getxid('WIND')), 'shown.png'], check=True, timeout=60)
v.rpng('saved.png')
v.rimage('saved.img')
v.vtxfin()
""")
        assert same_pixels(tmp_path / "page.png", tmp_path / "shown.png")
        assert same_pixels(tmp_path / "page.png", tmp_path / "saved.png")
        assert (tmp_path / "saved.img").read_bytes()[:20] == b"!Bitmap VANTIX X11  "

    # With a pixmap on the server (AUTO) and drawn without one (STOR).
    @pytest.mark.parametrize("mode", ["AUTO", "STOR"])
    def test_covered_window_is_repainted_while_waiting(self, xrun, run, tmp_path, mode):
        run("v.metafl('PNG')\nv.winsiz(400, 300)\nv.setfil('page.png')\nv.vtxini()\n" + DRAWING + "v.vtxfin()\n")
        out = xrun("""
v.metafl('XWIN')
v.window(0, 0, 400, 300)
v.x11mod(%r)
v.vtxini()
print(v.getxid('PIXM') > 0)
""" % mode + DRAWING + """
wid = v.getxid('WIND')
later(0.5, "xclock -geometry 400x300+0+0 & c=$!; sleep 1; kill $c; sleep 1; import -window %d shown.png; %s"
      % (wid, click(wid, 3)))
v.vtxfin()
print(title(wid))
""")
        assert lines(out) == [str(mode == "AUTO"), "<gone>"]
        assert same_pixels(tmp_path / "page.png", tmp_path / "shown.png")

    def test_every_way_the_final_wait_ends(self, xrun):
        out = xrun("""
def plot(mode, actions=(), keyname=None, page=False):
    v.metafl('XWIN')
    v.window(0, 0, 300, 200)
    v.vtxini()
    v.winmod(mode)
    v.winkey(keyname or 'NONE')
    v.winopt(1, 'DELA')
    wid = v.getxid('WIND')
    for seconds, action in actions:
        later(seconds, action(wid))
    start, cpu = time.time(), time.process_time()
    if page:
        v.newpag()
        print('page', when(start))
        v.winmod('NONE')
    v.vtxfin()
    print(mode, keyname, when(start), round(time.process_time() - cpu), title(wid))
# The actions that must not end a wait come at 0.3 s, the ones that end it at 0.6 or 1.2 s.
def when(start):
    elapsed = time.time() - start
    return 'at-once' if elapsed < 0.25 else 'early' if elapsed < 0.95 else 'late'
plot('FULL', [(0.3, lambda w: click(w, 1)), (1.2, lambda w: click(w, 3))])
plot('NOER', [(0.6, lambda w: key(w, 'Return'))], 'RETU')
plot('NOMB', [(0.3, lambda w: key(w, 'Return')), (1.2, lambda w: key(w, 'Escape'))], 'ESCA')
plot('NOER', [(0.3, lambda w: click(w, 2))])
plot('FULL', [(0.6, lambda w: sys.executable + ' %s close %d' % (sys.argv[1], w))])
plot('NONE')
plot('NOHO')
plot('DELA')
plot('FULL', [(1.2, lambda w: click(w, 2))], page=True)
""".replace("sys.argv[1]", repr(x11_server.__file__)))
        assert lines(out) == [
            "FULL None late 0 <gone>",
            "NOER RETU early 0 VANTIX 1",
            "NOMB ESCA late 0 VANTIX 1",
            "NOER None early 0 VANTIX 1",
            "FULL None early 0 <gone>",
            "NONE None at-once 0 VANTIX 1",
            "NOHO None at-once 0 <gone>",
            "DELA None late 1 <gone>",
            "page late",
            "FULL None late 0 VANTIX 1",
        ]


class TestCursorInput:
    def test_points_paths_and_units(self, xrun):
        out = xrun("""
v.metafl('XWIN')
v.window(0, 0, 400, 300)
v.vtxini()
v.winmod('NONE')
v.csrtyp('CROS')
wid = v.getxid('WIND')
def mouse(*steps):
    return 'xdotool ' + ' '.join(steps)
def at(x, y):
    return 'mousemove --window %d %d %d' % (wid, x, y)
v.csruni('PIXE')
later(0.4, mouse(*[at(10 * k, 20 * k) + ' click 1' for k in range(1, 6)], 'click 2'))
xs, ys = [0] * 4, [0] * 4
print(v.csrpts(xs, ys, 3), xs[:3], ys[:3])
later(0.4, mouse(at(10, 10), 'mousedown 1 mouseup 1', at(50, 50), 'mousedown 1', at(60, 55), at(70, 65), 'mouseup 1'))
xs, ys = [0] * 10, [0] * 10
n = v.csrmov(xs, ys, 10)
print(n, xs[:n], ys[:n])
v.csruni('PLOT')
later(0.4, mouse(at(200, 150), 'click 3 click 1'))
print(v.csrpt1())
v.vtxfin()
""")
        scale = 399 / 2969
        assert lines(out) == [
            "3 [10, 20, 30] [20, 40, 60]",
            "3 [50, 60, 70] [50, 55, 65]",
            str((int(200 / scale + 0.5), int(150 / scale + 0.5))),
        ]

    def test_a_file_device_warns_and_returns_nothing(self, run):
        out = run("v.metafl('PNG')\nv.vtxini()\nprint(v.csrpt1())\nv.vtxfin()\n")
        assert out.stdout.splitlines()[:2] == [" <<<< Warning 101: Bad output device in CSRPT1!", "(0, 0)"]


def test_palette_display_shows_small_tables_exactly_and_folds_large_ones(run, tmp_path):
    server = x11_server.Server("640x480x8")
    try:
        for table in ("SMALL", "RAIN"):
            drawing = DRAWING.replace("'RAIN'", repr(table))
            run("v.metafl('PNG')\nv.winsiz(320, 240)\nv.setfil('%s.png')\nv.vtxini()\n" % table + drawing + "v.vtxfin()\n")
            out = run(PRELUDE + "v.metafl('XWIN')\nv.winsiz(320, 240)\nv.vtxini()\nv.winmod('NONE')\n" + drawing + """
v.sendbf()
subprocess.run(['import', '-window', str(v.getxid('WIND')), 'shown.png'], check=True, timeout=60)
print(v.getbpp())
v.vtxfin()
""", env={"DISPLAY": server.display})
            assert lines(out)[0] == "8"
            with Image.open(tmp_path / ("%s.png" % table)) as p, Image.open(tmp_path / "shown.png") as q:
                worst = max(high for low, high in ImageChops.difference(p.convert("RGB"), q.convert("RGB")).getextrema())
            # Folding 256 colours onto 129 cells moves a colour at most to its neighbour's.
            assert worst == 0 if table == "SMALL" else 0 < worst <= 24, (table, worst)
    finally:
        server.stop()


def test_window_demo_joins_the_clicked_points(display, tmp_path):
    clicks = ("sleep 1.5; w=$(xdotool search --name 'window demo' | head -1); "
              "xdotool mousemove --window $w 200 600 click 1 mousemove --window $w 500 300 click 1 click 3; "
              "sleep 0.5; xdotool click 3")
    env = dict(os.environ, PYTHONPATH=MODULE_DIR, DISPLAY=display)
    helper = subprocess.Popen(["sh", "-c", clicks], env=env)
    proc = subprocess.run([PYTHON, os.path.join(ROOT, "examples", "window_demo.py")], cwd=tmp_path, env=env,
                          capture_output=True, text=True, timeout=120)
    helper.wait(timeout=30)
    assert "window_demo: 2 points connected" in proc.stdout
    assert "<<<< Warning" not in proc.stdout


def colour_runs(image, colour):
    """Bounding box of the pixels of one colour, and the runs of it along the box's middle row."""
    mask = Image.eval(ImageChops.difference(image, Image.new("RGB", image.size, colour)).convert("L"),
                      lambda d: 255 if d == 0 else 0)
    box = mask.getbbox()
    if box is None:
        return None, 0
    row = [mask.getpixel((x, (box[1] + box[3]) // 2)) for x in range(box[0], box[2])]
    return box, sum(1 for i, p in enumerate(row) if p and (i == 0 or not row[i - 1]))


class TestDeviceFonts:
    def test_server_fonts_draw_into_the_picture_and_measure_with_their_metrics(self, xrun, tmp_path):
        out = xrun("""
v.metafl('XWIN')
v.winsiz(600, 425)
v.vtxini()
v.winmod('NONE')
v.height(100)
v.x11fnt('-misc-fixed-medium-r-normal--20-*-*-*-c-*-iso8859-1', 'FIXED')
fixed = v.nlmess('iiii') == v.nlmess('MMMM')
v.color('RED')
v.messag('HHHH', 200, 300)
v.angle(90)
v.color('GREEN')
v.messag('HHHH', 2000, 1800)
v.angle(0)
v.x11fnt('-adobe-helvetica-medium-r-normal--*-*-*-*-p-*-iso8859-1', 'SCALE')
small = v.nlmess('HHHH')
v.height(200)
large = v.nlmess('HHHH')
v.x11fnt('-nosuch-font-*', 'SCALE')
complx = v.nlmess('iiii'), v.nlmess('MMMM')
v.hwfont()
print(fixed, round(large / small, 1), complx[0] == complx[1], (v.nlmess('iiii'), v.nlmess('MMMM')) != complx)
v.sendbf()
subprocess.run(['import', '-window', str(v.getxid('WIND')), 'shown.png'], check=True, timeout=60)
v.rpng('saved.png')
v.vtxfin()
""")
        # The fixed font measures every letter alike; the scaled font doubles
        # with the height; an unknown font leaves the proportional complx;
        # hwfont takes the window's standard font of the server.
        assert lines(out)[0] == "True 2.0 False True"
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in X11FNT!   (-nosuch-font-*)"]
        assert same_pixels(tmp_path / "shown.png", tmp_path / "saved.png")
        with Image.open(tmp_path / "saved.png") as saved:
            saved = saved.convert("RGB")
            # Four glyphs of the 10 × 20 font, 10 pixels and a gap of 0.1
            # heights (2 pixels) apart, base line 99 units below the corner
            # (0.2 pixels a unit).
            box, runs = colour_runs(saved, (255, 0, 0))
            assert runs == 4 and 40 <= box[2] - box[0] <= 46 and 10 <= box[3] - box[1] <= 15
            assert 38 <= box[0] <= 43 and 78 <= box[3] <= 82
            # Turned by 90 degrees: the same glyphs reading upwards.
            box, _ = colour_runs(saved, (0, 255, 0))
            assert 40 <= box[3] - box[1] <= 46 and 10 <= box[2] - box[0] <= 15

    def test_bitmap_font_files_and_the_devices_of_each_font(self, run, tmp_path):
        fonts = tmp_path.parent / (tmp_path.name + "-install") / "fonts"
        fonts.mkdir(parents=True)
        # One glyph, a solid block 4 wide and 6 high on the base line, advance 6, in a font of 8 pixels.
        (fonts / "block.bdf").write_text(
            "STARTFONT 2.1\nFONT block\nSIZE 8 72 72\nFONTBOUNDINGBOX 4 6 0 0\n"
            "STARTPROPERTIES 3\nPIXEL_SIZE 8\nFONT_ASCENT 7\nFONT_DESCENT 1\nENDPROPERTIES\nCHARS 1\n"
            "STARTCHAR A\nENCODING 65\nSWIDTH 750 0\nDWIDTH 6 0\nBBX 4 6 0 0\nBITMAP\n"
            + "F0\n" * 6 + "ENDCHAR\nENDFONT\n")
        out = run("""
v.metafl('PNG')
v.winsiz(600, 425)
v.setfil('page.png')
v.vtxini()
v.height(54)
v.x11fnt('fixed', 'SCALE')
v.winfnt('Arial')
v.bmpfnt('missing')
complx = v.nlmess('AAA')
v.bmpfnt('block')
print(complx != v.nlmess('AAA'), v.nlmess('AAA'))
v.color('RED')
v.messag('AAA', 500, 500)
v.vtxfin()
""")
        # Advance 6 pixels of a font of 8 grown to the height's size, and the
        # bitmap gap of 0.18 heights at this small scale.
        assert lines(out)[0] == "True %d" % round(3 * 6 * 54 * 22 / 15 / 8 + 2 * 0.18 * 54)
        assert out.warnings() == [
            " <<<< Warning  40: File format and output device are incompatible in X11FNT!",
            " <<<< Warning  40: File format and output device are incompatible in WINFNT!",
            " <<<< Warning: Open error in %s!" % (fonts / "missing.bdf"),
        ]
        with Image.open(tmp_path / "page.png") as page:
            box, runs = colour_runs(page.convert("RGB"), (255, 0, 0))
            assert runs == 3 and 11 <= box[3] - box[1] <= 13

    def test_colour_modes_on_a_palette_display(self, run):
        server = x11_server.Server(screen="640x480x8")
        try:
            out = run("""
import subprocess
def colormap(wid):
    info = subprocess.run(['xwininfo', '-id', str(wid)], capture_output=True, text=True).stdout
    return [l.split()[1] for l in info.splitlines() if 'Colormap:' in l][0]
default = subprocess.run(['xdpyinfo'], capture_output=True, text=True).stdout
default = [l.split()[2] for l in default.splitlines() if 'default colormap:' in l][0]
for mode in ('FULL', 'SHARED', 'AUTO', 'GREY'):
    v.clrmod(mode)
    v.metafl('XWIN')
    v.winsiz(200, 100)
    v.vtxini()
    v.winmod('NONE')
    v.setvlt('RAIN')
    v.sendbf()
    print(mode, colormap(v.getxid('WIND')) == default)
    if mode == 'FULL':
        v.clrmod('AUTO')
    v.vtxfin()
""", env={"DISPLAY": server.display})
        finally:
            server.stop()
        assert lines(out)[:4] == ["FULL False", "SHARED True", "AUTO True", "GREY True"]
        warnings = out.warnings()
        assert len(warnings) == 2 and "Warning   3" in warnings[0] and "CLRMOD" in warnings[0]
        assert warnings[1].startswith(" <<<< Warning   2: Incorrect parameter in CLRMOD!")
