"""The stand-alone dialogs and item strings: answered on standard input in
terminal mode (chosen, or fallen back to without a display), and on a private
X server, where xdotool answers each dialog once its window appears."""
import subprocess

import pytest

import x11_server

# Python prints and the library's messages interleave in the order they are made.
UNBUFFERED = {"PYTHONUNBUFFERED": "1"}

TERMINAL_ROUND = """
print('but', v.dwgbut('Go on?', 0))
print('txt', repr(v.dwgtxt('Name', 'anon')))
print('fil', repr(v.dwgfil('File', 'a.dat', '*.dat')))
print('lis', v.dwglis('Colour', 'red|green|blue', 1))
"""


class TestTerminal:
    def test_every_dialog_reads_stdin_and_keeps_its_default_at_end_of_input(self, run):
        # One round answered, one round against the end of the input.
        out = run("v.swgmod('ASCI')\n" + TERMINAL_ROUND + TERMINAL_ROUND + """
v.dwgmsg('first|second')
v.msgbox('as|is')
print('bad', v.dwglis('Colour', 'red|green', 3))
""", stdin="x\ny\nBob\n\nblue\n", env=UNBUFFERED)
        lines = [line.split(': ')[-1] for line in out.stdout.splitlines()]
        assert "<<<< Not allowed Option!" in out.stdout
        assert [line for line in lines if line[:4] in ("but ", "txt ", "fil ", "lis ", "bad ")] == [
            "but 1", "txt 'Bob'", "fil 'a.dat'", "lis 3",
            "but 0", "txt 'anon'", "fil 'a.dat'", "lis 1",
            "bad -1"]
        assert "first\nsecond\nas|is\n" in out.stdout
        assert "<<<< Selected list element out of range in DWGLIS!" in out.stdout

    def test_dialogs_are_refused_between_wgini_and_wgfin(self, run):
        out = run("""
v.swgmod('ASCI')
top = v.wgini('VERT')
v.wglab(top, 'Label')
v.dwgmsg('no')
print(v.dwgbut('Q', 1), repr(v.dwgfil('F', 'f', '*')), v.dwglis('L', 'a|b', 1), repr(v.dwgtxt('T', 't')))
v.msgbox('allowed')
v.wgfin()
print(v.dwgbut('Q', 1))
""", env=UNBUFFERED)
        assert [line for line in out.stdout.splitlines() if "WGINI" in line] == [
            ">>>> %s cannot be used between WGINI and WGFIN!" % name
            for name in ("DWGMSG", "DWGBUT", "DWGFIL", "DWGLIS", "DWGTXT")]
        assert "-1 '' -1 ''\nallowed\n" in out.stdout
        assert out.stdout.endswith("Q (Y/N) [Y]: \n1\n")

    def test_auto_mode_without_display_falls_back_to_the_terminal(self, run):
        out = run("print('txt', repr(v.dwgtxt('Name', 'x' * 200)))\nv.dwgmsg('a|b')", stdin="\n", env=UNBUFFERED)
        assert "txt '%s'" % ("x" * 132) in out.stdout
        assert "a\nb\n" in out.stdout
        out = run("v.swgmod('XWIN')\nv.dwgmsg('a')\nprint('not reached')")
        assert out.stdout == "<<<< Can't open X Window display!\n"

    def test_item_strings_follow_the_separator(self, run):
        out = run("""
s = v.itmcat('', 'one')
s = v.itmcat(s, 'two  ')
print(repr(s), v.itmcnt(s), v.itmcnt(''), repr(v.itmstr(s, 2)))
print(repr(v.itmstr(s, 3)))
v.swgmix(';', 'SEP')
s = v.itmcat('a|b', 'c')
print(repr(s), v.itmcnt(s), repr(v.itmstr('x;' + 'y' * 90, 2)))
""", env=UNBUFFERED)
        assert out.stdout.splitlines() == [
            "'one|two' 2 1 'two'",
            "<<<< Not allowed index in ITMSTR!",
            "''",
            "'a|b;c' 2 '%s'" % ("y" * 80)]


@pytest.mark.skipif(bool(x11_server.tools_missing()), reason="needs %s" % ", ".join(x11_server.tools_missing()))
class TestMotif:
    @pytest.fixture(scope="class")
    def display(self):
        server = x11_server.Server()
        yield server.display
        server.stop()

    # Waits for the dialog window, then runs the xdotool commands (with $W the window).
    PRELUDE = """
import subprocess
def answer(commands):
    subprocess.Popen(["sh", "-c", "W=$(xdotool search --sync --onlyvisible --name '^VANTIX$' | head -1); sleep 0.4; " + commands])
"""

    def test_dialogs_answered_by_mouse_and_keys(self, run, display, tmp_path):
        out = run(self.PRELUDE + """
answer("xdotool mousemove --window $W 82 80 click 1")
print('no', v.dwgbut('Continue?', 1))
answer("xdotool mousemove --window $W 5 5 key Return")
print('yes', v.dwgbut('Continue?', 1))
answer("xdotool mousemove --window $W 100 45 click 1 key End type ' Smith'; xdotool key Return")
print('txt', repr(v.dwgtxt('Name', 'Anna')))
answer("xdotool mousemove --window $W 80 205 click 1 key End BackSpace BackSpace BackSpace BackSpace BackSpace "
       "type purple; xdotool key Return; sleep 0.3; xdotool mousemove --window $W 30 70 click --repeat 2 --delay 80 1")
print('lis', v.dwglis('Colour', 'red|green|blue', 2))
answer("xdotool mousemove --window $W 5 5 key Return")
print('fil', v.dwgfil('File', 'f' * 100, '*.dat') == 'f' * 80)
answer("import -window $W %s; xdotool getwindowgeometry $W > geometry.txt; xdotool mousemove --window $W 5 5 key Return")
v.swgopt('CENT', 'POSI')
v.dwgmsg('first line|second line')
print('msg done')
""" % (tmp_path / "message.png"), env={"DISPLAY": display, **UNBUFFERED})
        assert [line for line in out.stdout.splitlines()] == [
            "no 0", "yes 1", "txt 'Anna Smith'", ">>>> Value doesn't match list elements in DWGLIS!", "lis 3",
            "fil True", "msg done"]
        # Centred on the 1920 x 1080 screen.
        assert (tmp_path / "geometry.txt").read_text().split()[3:] == ["760,315", "(screen:", "0)", "Geometry:", "400x450"]
