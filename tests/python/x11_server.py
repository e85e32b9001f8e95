"""A private X server for the window tests, and the window manager's close
request sent by hand (the server runs without a window manager).

Run as a script, `x11_server.py close WINDOW` sends WM_DELETE_WINDOW to the
window on $DISPLAY.
"""
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import sys
import time

XVFB = shutil.which("Xvfb")
TOOLS = ("xdotool", "import")


def tools_missing():
    return [name for name in ("Xvfb",) + TOOLS if not shutil.which(name)]


def free_display():
    for n in range(90, 200):
        if not os.path.exists("/tmp/.X%d-lock" % n) and not os.path.exists("/tmp/.X11-unix/X%d" % n):
            return n
    raise RuntimeError("no free X display number")


class Server:
    """Xvfb on a free display number, 1920 × 1080 × 24, without backing store
    so that covered windows really lose their contents."""

    def __init__(self):
        self.number = free_display()
        self.display = ":%d" % self.number
        self.proc = subprocess.Popen([XVFB, self.display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-bs"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = "/tmp/.X11-unix/X%d" % self.number
        for _ in range(200):
            if os.path.exists(socket):
                return
            if self.proc.poll() is not None:
                break
            time.sleep(0.05)
        self.stop()
        raise RuntimeError("Xvfb did not start")

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


def send_close(window):
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
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
