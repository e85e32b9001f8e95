"""A private X server for the window tests, and the window manager's close
request sent by hand (the server runs without a window manager).

Run as a script, `x11_server.py close WINDOW` sends WM_DELETE_WINDOW to the
window on $DISPLAY.
"""
import ctypes
import ctypes.util
import os
import select
import shutil
import subprocess
import sys
import time

XVFB = shutil.which("Xvfb")
TOOLS = ("xdotool", "import", "xclock")


def tools_missing():
    return [name for name in ("Xvfb",) + TOOLS if not shutil.which(name)]


class Server:
    """Xvfb on a display number it picks itself (-displayfd), 1920 × 1080 × 24 by default,
    without backing store so that covered windows really lose their contents,
    and without the reset after the last client leaves, during which new
    connections fail."""

    def __init__(self, screen="1920x1080x24"):
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen([XVFB, "-displayfd", str(write_end), "-screen", "0", screen,
                                      "-nolisten", "tcp", "-bs", "-noreset"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        deadline = time.time() + 20
        while not number.endswith(b"\n") and time.time() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.5)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        if not number.strip().isdigit():
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.strip().decode()

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def xlib():
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x.XCreateSimpleWindow.restype = ctypes.c_ulong
    x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 3 + \
        [ctypes.c_ulong] * 2
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    for name in ("XMapWindow", "XStoreName"):
        getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_ulong] + ([ctypes.c_char_p] if name == "XStoreName" else [])
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    return x


def create_window(width, height, title):
    """A window of another client, mapped at the top left; returns the
    connection (keep it open while the window is used) and the window."""
    x = xlib()
    d = x.XOpenDisplay(None)
    w = x.XCreateSimpleWindow(d, x.XDefaultRootWindow(d), 0, 0, width, height, 0, 0, 0)
    x.XStoreName(d, w, title.encode())
    x.XMapWindow(d, w)
    x.XSync(d, 0)
    time.sleep(0.2)
    return d, w


def send_close(window):
    x = xlib()
    d = x.XOpenDisplay(None)
    e = XEvent()
    e.xclient.type = 33  # ClientMessage
    e.xclient.window = window
    e.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
    e.xclient.format = 32
    e.xclient.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent(d, window, 0, 0, ctypes.byref(e))
    x.XCloseDisplay(d)


if __name__ == "__main__":
    if sys.argv[1] == "close":
        send_close(int(sys.argv[2]))
