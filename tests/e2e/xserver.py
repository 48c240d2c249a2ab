# SPDX-License-Identifier: MIT
"""The X side of the cases: an X server of their own (Xvfb), screenshots, the Xlib calls
xdotool does not offer, and a desktop on that server (a real window manager, a panel that
reserves a strip of the screen, their session bus)."""

import ctypes
import ctypes.util
import dataclasses
import os
import signal
import subprocess

from harness import check, wait_for

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024

MANAGERS = {"xfwm4": ["xfwm4", "--compositor=off"], "openbox": ["openbox"]}

# One panel along the whole edge, as a laptop's desktop has; xfconf reads it at start.
PANEL = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p={edge};x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
        <value type="int" value="3"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="applicationsmenu"/>
    <property name="plugin-2" type="string" value="tasklist"/>
    <property name="plugin-3" type="string" value="clock"/>
  </property>
</channel>
"""
EDGES = {"top": 6, "bottom": 8}


def die_with_parent():
    """In a child before it starts: killed when the harness dies, however it dies (a test
    runner's timeout included), so that no server or program outlives its test."""
    ctypes.CDLL(None, use_errno=True).prctl(1, 9)  # PR_SET_PDEATHSIG, SIGKILL


class XServer:
    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            # -noreset: a server left by its last client resets, and refuses whoever connects
            # meanwhile (a program starting while xdotool polls).
            ["Xvfb", "-displayfd", str(write), "-screen", "0",
             f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=die_with_parent)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        check(number, "the X server did not start")
        self.display = ":" + number

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class Screenshot:
    def __init__(self, display):
        data = subprocess.run(["import", "-display", display, "-window", "root",
                               "-depth", "8", "ppm:-"],
                              check=True, capture_output=True).stdout
        # P6 header: magic, width, height, maximum value, one whitespace byte, then pixels.
        fields = []
        at = 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            start = at
            while not data[at:at + 1].isspace():
                at += 1
            fields.append(data[start:at])
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[at + 1:]

    def __call__(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.pixels[at:at + 3])


def near(colour, expected, tolerance=10):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class Xlib:
    """The few Xlib calls xdotool does not offer: a polite close request."""
    ClientMessage = 33

    class ClientMessageEvent(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        pass

    Event._fields_ = [("xclient", ClientMessageEvent), ("pad", ctypes.c_long * 24)]

    def __init__(self, display):
        name = ctypes.util.find_library("X11") or "libX11.so.6"
        self.lib = ctypes.CDLL(name)
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.lib.XInternAtom.restype = ctypes.c_ulong
        self.lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                        ctypes.c_long, ctypes.c_void_p]
        self.lib.XFlush.argtypes = [ctypes.c_void_p]
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        # Xlib's default handler ends the process on any error, such as a window that went
        # away meanwhile: errors are ignored instead, and the harness cleans up as usual.
        handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self.ignore_errors = handler(lambda display, event: 0)
        self.lib.XSetErrorHandler(self.ignore_errors)
        self.display = self.lib.XOpenDisplay(display.encode())
        check(self.display, "cannot open the display")

    def message(self, window, message_type, data, to, mask=0):
        """A client message about window, of 32-bit data, sent to the window to."""
        event = Xlib.Event()
        event.xclient.type = Xlib.ClientMessage
        event.xclient.window = window
        event.xclient.message_type = self.atom(message_type)
        event.xclient.format = 32
        for i, value in enumerate(data):
            event.xclient.data[i] = value
        self.lib.XSendEvent(self.display, to, 0, mask, ctypes.byref(event))
        self.lib.XFlush(self.display)

    def atom(self, name):
        return self.lib.XInternAtom(self.display, name.encode(), 0)

    def close_request(self, window):
        """WM_DELETE_WINDOW, as a window manager sends it for the close box."""
        self.message(window, "WM_PROTOCOLS", [self.atom("WM_DELETE_WINDOW")], window)

    def roll_up(self, window):
        """_NET_WM_STATE_SHADED added (1), asked by the user (2), as the roll-up button of a
        title bar asks it: of the window manager, through the root window's substructure."""
        substructure = (1 << 19) | (1 << 20)
        self.message(window, "_NET_WM_STATE", [1, self.atom("_NET_WM_STATE_SHADED"), 0, 2],
                     self.lib.XDefaultRootWindow(self.display), substructure)

    def close(self):
        self.lib.XCloseDisplay(self.display)



@dataclasses.dataclass(frozen=True)
class Rect:
    """left, top included; right, bottom excluded."""
    left: int
    top: int
    right: int
    bottom: int

    def inside(self, other):
        return (other.left <= self.left and other.top <= self.top
                and self.right <= other.right and self.bottom <= other.bottom)

    def overlaps(self, other):
        return (self.left < other.right and other.left < self.right
                and self.top < other.bottom and other.top < self.bottom)


class Desktop:
    """A window manager and a panel on the game's X server, with their own session bus; ended
    by their process ids, on leaving a with block or by stop."""

    def __init__(self, game, manager, edge):
        self.game = game
        self.processes = []
        self.logs = []
        self.bus = None
        config = os.path.join(game.home, "config", "xfce4", "xfconf", "xfce-perchannel-xml")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "xfce4-panel.xml"), "w") as f:
            f.write(PANEL.format(edge=EDGES[edge]))
        # The bus ends by itself with the X server, should this harness die first.
        launched = subprocess.run(["dbus-launch", "--sh-syntax", "--exit-with-x11"],
                                  env=game.env(), capture_output=True, text=True, check=True)
        for line in launched.stdout.splitlines():
            name, _, value = line.partition("=")
            if name == "DBUS_SESSION_BUS_ADDRESS":
                game.session[name] = value.rstrip(";").strip("'")
            elif name == "DBUS_SESSION_BUS_PID":
                self.bus = int(value.rstrip(";"))
        check(self.bus and game.session, "no session bus")
        self.start(MANAGERS[manager])
        wait_for("the window manager",
                 lambda: "window id" in game.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        self.start(["xfce4-panel"])
        self.area = wait_for("the panel's strip", self.reserved)

    def __enter__(self):
        return self

    def __exit__(self, *failure):
        self.stop()

    def start(self, command):
        log = open(os.path.join(self.game.folder, os.path.basename(command[0]) + ".txt"), "wb")
        self.logs.append(log)
        self.processes.append(subprocess.Popen(command, env=self.game.env(), stdout=log,
                                               stderr=subprocess.STDOUT,
                                               preexec_fn=die_with_parent))

    def reserved(self):
        area = self.game.cardinals(None, "_NET_WORKAREA")[:4]
        screen = [0, 0, self.game.screen_size[0], self.game.screen_size[1]]
        if len(area) < 4 or area == screen:
            return None
        return Rect(area[0], area[1], area[0] + area[2], area[1] + area[3])

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if self.bus:
            try:
                os.kill(self.bus, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for log in self.logs:
            log.close()

