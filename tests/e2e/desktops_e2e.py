#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays the real program with its default pictures on the desktops people use: a laptop's
or a desktop's screen, a real window manager and a panel that reserves a strip of the
screen. The main window's frame and its 20 cells, the environment viewer and the won window
must all lie inside the work area, and the game must be won to its end.

    desktops_e2e.py --binary build/bin/kornibelle CASE

Each CASE starts its own X server and session bus, so cases may run side by side. Exit
status 77 means a tool or the default pictures are missing (the case is skipped).
Coordinates here are the screen's own pixels, whatever the program's scale factor."""

import dataclasses
import functools
import os
import shutil
import signal
import subprocess
import sys
import time

import kornibelle_e2e as e2e
from kornibelle_e2e import Failure, check, pairs_of, wait_for

WHITE = e2e.WHITE

# name: screen width and height, scale factor of the program, window manager, panel's edge
DESKTOPS = {
    "laptop_1366x768": (1366, 768, 1, "xfwm4", "top"),
    "laptop_1280x800": (1280, 800, 1, "openbox", "top"),
    "laptop_1280x720": (1280, 720, 1, "xfwm4", "bottom"),
    "desktop_1920x1080": (1920, 1080, 1, "openbox", "bottom"),
    "hidpi_2560x1600": (2560, 1600, 2, "xfwm4", "top"),
}
MANAGERS = {"xfwm4": ["xfwm4", "--compositor=off"], "openbox": ["openbox"]}
TOOLS = ["Xvfb", "xdotool", "import", "xprop", "xwininfo", "dbus-launch", "xfce4-panel",
         "xfwm4", "openbox"]

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

# Designed places in the won window, in the program's own pixels: leave, play again.
LEAVE, REPLAY = (272 + 32, 112 + 32), (32 + 32, 112 + 32)


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


class DesktopGame(e2e.Game):
    """The program on a screen of its own size and scale, in the desktop's session."""

    def __init__(self, binary, folder, screen, scale, settings=None):
        self.scale = scale
        self.screen_size = screen
        self.session = {}
        super().__init__(binary, folder, settings=settings, pack=False, screen=screen)
        shutil.copytree(pack_of(binary), folder, dirs_exist_ok=True)

    def env(self):
        env = super().env()
        env.update(self.session)
        if self.scale != 1:
            env["QT_SCALE_FACTOR"] = str(self.scale)
        return env

    def run(self, *command):
        result = subprocess.run(command, env=self.env(), capture_output=True, text=True)
        return result.stdout if result.returncode == 0 else ""

    def cardinals(self, window, name):
        """A window's (or the root's) property of numbers, empty when it is not set."""
        where = ["-root"] if window is None else ["-id", str(window)]
        text = self.run("xprop", *where, name)
        if "=" not in text:
            return []
        return [int(value) for value in text.split("=", 1)[1].split(",")]

    def client(self, window):
        """The window's own area on the screen (xdotool counts the frame twice there)."""
        values = {}
        for line in self.run("xwininfo", "-id", str(window)).splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        if "Width" not in values:
            return None
        x, y = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
        return Rect(x, y, x + int(values["Width"]), y + int(values["Height"]))

    def outer(self, window):
        """The window's frame on the screen: its own area grown by the frame the window
        manager reports."""
        client = self.client(window)
        if client is None:
            return None
        left, right, top, bottom = self.cardinals(window, "_NET_FRAME_EXTENTS") or [0, 0, 0, 0]
        return Rect(client.left - left, client.top - top, client.right + right,
                    client.bottom + bottom)

    def min_max(self, window):
        """Whether the window manager lets the window be minimised or maximised."""
        allowed = self.run("xprop", "-id", str(window), "_NET_WM_ALLOWED_ACTIONS")
        return any("_NET_WM_ACTION_" + a in allowed for a in ("MINIMIZE", "MAXIMIZE_HORZ"))

    def settled(self, what, window):
        """The window's frame once it has stayed put for a moment."""
        last = [None]

        def probe():
            self.check_running()
            now = self.outer(window)
            stable = now is not None and now == last[0]
            last[0] = now
            if not stable:
                time.sleep(0.3)
            return now if stable else None
        return wait_for(what, probe)


class Desktop:
    """A window manager and a panel on the game's X server, with their own session bus; ended
    by their process ids."""

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

    def start(self, command):
        log = open(os.path.join(self.game.folder, os.path.basename(command[0]) + ".txt"), "wb")
        self.logs.append(log)
        self.processes.append(subprocess.Popen(command, env=self.game.env(), stdout=log,
                                               stderr=subprocess.STDOUT,
                                               preexec_fn=e2e.die_with_parent))

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


# The board as drawn ------------------------------------------------------------------------

def white_runs(values):
    """The first index of each run of consecutive true values."""
    return [i for i, value in enumerate(values) if value and (i == 0 or not values[i - 1])]


def measure_board(shot, client):
    """The cells from the white grid drawn over the board: (left, top, width, height) of the
    cell at row 0, column 0, in screen pixels. The grid has lines between the cells, and may
    have one more along the last row's or column's far edge."""
    # The board keeps its proportions: in a wider window it leaves a strip on the right.
    xs = [client.left + (client.right - client.left) * k // 9 for k in range(1, 6)]
    rows = white_runs([all(shot(x, y) == WHITE for x in xs)
                       for y in range(client.top, client.bottom)])
    check(len(rows) >= 3, f"{len(rows)} horizontal grid lines")
    height = rows[1] - rows[0]
    top = client.top + rows[0] - height
    ys = [top + height // 2 + r * height for r in range(4)]
    columns = white_runs([all(shot(x, y) == WHITE for y in ys)
                          for x in range(client.left, client.right)])
    check(len(columns) >= 4, f"{len(columns)} vertical grid lines")
    width = columns[1] - columns[0]
    left = client.left + columns[0] - width
    check(abs(left - client.left) <= 1, f"the board starts at {left}, the window at {client.left}")
    return left, top, width, height


class Board:
    def __init__(self, game, window):
        self.game = game
        self.window = window

    def measure(self):
        """Places the cells, once the grid is drawn; returns the window's client area."""
        client = self.game.client(self.window)

        def probe():
            try:
                return measure_board(self.game.screenshot(), client)
            except Failure:
                return None
        self.left, self.top, self.width, self.height = wait_for("the grid drawn", probe)
        self.cells = Rect(self.left, self.top, self.left + 5 * self.width,
                          self.top + 4 * self.height)
        return client

    def centre(self, row, column):
        return (self.left + column * self.width + self.width // 2,
                self.top + row * self.height + self.height // 2)

    def press(self, row, column):
        self.game.move(*self.centre(row, column))
        self.game.xdotool("click", 1)


# The case ---------------------------------------------------------------------------------

def play_on(desktop, binary, folder):
    """The desktop, then the program on it: every window's place checked, a game won."""
    width, height, scale, manager, edge = desktop
    game = DesktopGame(binary, folder, (width, height), scale)
    # The program's pixels are whole: rounded to them, places may be off by a screen pixel or so.
    slack = 0 if scale == 1 else scale + 1
    session = None
    try:
        session = Desktop(game, manager, edge)
        area = session.area
        game.start(measure=False)
        window = game.find_window("^Kornibelle$", size_at_least=(200, 200))
        main = game.settled("the main window to settle", window)
        check(main.inside(area), f"main window {main} outside the work area {area}")
        # The work area's corner, within the rounding of the program's own pixels.
        check(main.left - area.left <= slack and main.top - area.top <= slack,
              f"main window at {main}, work area at {area}")

        board = Board(game, window)
        client = board.measure()
        check(board.cells.inside(client) and board.cells.inside(area),
              f"cells {board.cells} not all on the screen (window {client}, work area {area})")
        check(board.cells.bottom > client.bottom - board.height,
              f"cells {board.cells} leave a row's height of the window unused {client}")

        pairs = pairs_of(game.boards(1)[0])
        g, d = pairs[0]
        board.press(*g)
        viewer = game.settled("the viewer to settle",
                              game.find_window("^Environnement$", size_at_least=(100, 100)))
        check(viewer.inside(area), f"viewer {viewer} outside the work area {area}")
        check(not game.min_max(game.windows("^Environnement$")[0]), "viewer minimisable")
        check(not viewer.overlaps(main), f"viewer {viewer} over the main window {main}")
        board.press(*d)
        for g, d in pairs[1:]:
            board.press(*g)
            board.press(*d)

        bravo = game.find_window("^Bravo$", size_at_least=(100, 50))
        won = game.settled("the won window to settle", bravo)
        check(won.inside(area), f"won window {won} outside the work area {area}")
        centre = ((main.left + main.right) // 2, (main.top + main.bottom) // 2)
        check(abs((won.left + won.right) // 2 - centre[0]) <= slack + 1
              and abs((won.top + won.bottom) // 2 - centre[1]) <= slack + 1,
              f"won window {won} not centred on the main window {main}")
        time.sleep(e2e.QUIET)
        game.click_at(won.left + LEAVE[0] * scale, won.top + LEAVE[1] * scale)
        game.expect_clean_exit()
    finally:
        if session:
            session.stop()
        game.stop()


def toggle_maximised(game, window, main, maximised):
    """A double click on the title bar, as openbox maximises and restores windows."""
    game.move(main.left + 60, main.top + 6)
    game.xdotool("click", "--repeat", 2, "--delay", 80, 1)
    wait_for("the window maximised" if maximised else "the window restored",
             lambda: ("_NET_WM_STATE_MAXIMIZED_HORZ" in game.run(
                 "xprop", "-id", str(window), "_NET_WM_STATE")) == maximised)
    return game.settled("the main window to settle", window)


def maximised_mid_game(binary, folder):
    """openbox at 1280 x 800, a game under way: maximised from its title bar, the window shows
    the same board enlarged, 5 x 4 cells as high as its client area, and every press reveals
    the cell under the pointer, to the end of the game; "Rejouer" keeps it maximised. Opened
    maximised again at the next start, then restored, it has its first size and place. The
    photograph window follows the window onto the strip the board leaves free, over no cell."""
    game = DesktopGame(binary, folder, (1280, 800), 1)
    session = None
    try:
        session = Desktop(game, "openbox", "top")
        game.start(measure=False)
        window = game.find_window("^Kornibelle$", size_at_least=(200, 200))
        main = game.settled("the main window to settle", window)
        board = Board(game, window)
        board.measure()
        pairs = pairs_of(game.boards(1)[0])
        board.press(*pairs[0][0])

        normal = main
        main = toggle_maximised(game, window, main, True)
        client = board.measure()
        check(abs(board.cells.bottom - client.bottom) <= 5 and board.cells.inside(client)
              and client.right - client.left > 1200,
              f"cells {board.cells} do not fill the maximised window's height {client}")
        board.press(*pairs[0][1])
        viewer = game.settled("the viewer to settle",
                              game.find_window("^Environnement$", size_at_least=(100, 100)))
        check(not viewer.overlaps(board.cells) and viewer.inside(main),
              f"viewer {viewer} over the cells {board.cells} or outside the window {main}")
        for g, d in pairs[1:]:
            board.press(*g)
            board.press(*d)
        won = game.settled("the won window to settle",
                           game.find_window("^Bravo$", size_at_least=(100, 50)))
        time.sleep(e2e.QUIET)
        game.click_at(won.left + REPLAY[0], won.top + REPLAY[1])
        game.boards(2)
        check(game.settled("the main window to settle", window) == main and "MAXIMIZED_HORZ"
              in game.run("xprop", "-id", str(window), "_NET_WM_STATE"), "a new game restored it")
        game.close_request()
        game.expect_clean_exit()
        check(game.settings()["form"].get("initmax") == "1", "the maximised state was not kept")

        game.start(measure=False)
        window = game.find_window("^Kornibelle$", size_at_least=(1000, 600))
        main = game.settled("the main window to settle", window)
        main = toggle_maximised(game, window, main, False)
        check(main == normal, f"restored to {main}, not to {normal}")
        game.close_request()
        game.expect_clean_exit()
    finally:
        if session:
            session.stop()
        game.stop()


def pack_of(binary):
    """The default pictures and sounds, laid out beside the built program."""
    return os.path.join(os.path.dirname(os.path.dirname(binary)), "share", "kornibelle")


def no_pack(binary):
    return None if os.path.isdir(pack_of(binary)) else "the default pictures were not built"


CASES = {name: functools.partial(play_on, desktop) for name, desktop in DESKTOPS.items()}
CASES["maximised_1280x800"] = maximised_mid_game


if __name__ == "__main__":
    sys.exit(e2e.main(CASES, TOOLS, __doc__, no_pack))
