#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays the Windows build as its user would after unpacking the zip into a folder named
with accents, an apostrophe and spaces: the game started from its folder under Wine, on its
own X server with a window manager; the board shown, a pair found with real clicks, the window
closed with its close box, and the settings file Kornibelle.INI written beside the program;
then a setting changed by hand and the game played again: the setting is kept.

    windows_e2e.py --binary dist/Kornibelle-VERSION-win64.zip --manifest build/catalogue.json zip

$WINEPREFIX, when set, is the Wine prefix to use, else a new one is made. Exit status 77 means a tool is missing (the case is skipped)."""

import os
import subprocess
import sys
import time
import zipfile

import harness
from game import Board, DesktopGame
from harness import check, wait_for
from shown import WHITE, measure_board, white_runs
from trace_log import pairs_of
from xserver import Desktop, Rect, Xlib, XServer, die_with_parent

WINE = "/usr/lib/wine/wine64"
TOOLS = ["Xvfb", "xdotool", "import", "xprop", "xwininfo", "dbus-launch", "xfce4-panel",
         "openbox", WINE]
# Wine takes its time to start a new prefix and a program.
WINE_TIMEOUT = 180.0
# Where a family unpacks a download.
UNPACKED_IN = os.path.join("Téléchargements", "Jeux d'Hélène")


class WineGame(DesktopGame):
    """The zip's game, unpacked into the case's folder, run by Wine."""

    def __init__(self, archive, folder, wineprefix):
        self.wineprefix = wineprefix
        self.session = {}
        self.scale = 1
        self.screen_size = (1280, 1024)
        self.home = os.path.join(folder, "home")
        os.makedirs(self.home, mode=0o700, exist_ok=True)
        with zipfile.ZipFile(archive) as unpacked:
            unpacked.extractall(os.path.join(folder, UNPACKED_IN))
        self.folder = os.path.join(folder, UNPACKED_IN, "Kornibelle")
        self.settings_path = os.path.join(self.folder, "Kornibelle.INI")
        self.trace = os.path.join(self.folder, "espion.log")
        self.x = XServer(*self.screen_size)
        self.xlib = Xlib(self.x.display)
        self.process = None
        self.window = None

    def env(self):
        env = super().env()
        # No menu entries or file associations made on the build machine.
        env.update(WINEPREFIX=self.wineprefix, WINEDEBUG="-all",
                   WINEDLLOVERRIDES="winemenubuilder.exe=d")
        env.pop("QT_QPA_PLATFORM", None)
        return env

    def start(self):
        self.log = open(os.path.join(self.folder, "..", "sortie.txt"), "wb")
        # Started from its folder by name, as Explorer does on a double click.
        self.process = subprocess.Popen([WINE, "Kornibelle.exe"], cwd=self.folder, env=self.env(),
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        preexec_fn=die_with_parent)

    def output(self):
        self.log.flush()
        with open(os.path.join(self.folder, "..", "sortie.txt"), "rb") as f:
            return f.read().decode(errors="replace")


class WineBoard(Board):
    """Windows draws the menu bar and the toolbar white: the grid is found below them, as the
    evenly spaced white lines across the window."""

    def measure(self):
        client = self.game.client(self.window)

        def probe():
            shot = self.game.screenshot()
            xs = [client.left + (client.right - client.left) * k // 9 for k in range(1, 9)]
            rows = white_runs([all(shot(x, y) == WHITE for x in xs)
                                        for y in range(client.top, client.bottom)])
            for first, second, third in zip(rows, rows[1:], rows[2:]):
                if second - first == third - second > 40:
                    below = Rect(client.left, client.top + first - (second - first) + 1,
                                          client.right, client.bottom)
                    return measure_board(shot, below)
            return None
        self.left, self.top, self.width, self.height = wait_for("the grid drawn", probe)
        return client


def revealed(before, after, board, cell):
    """A part of the cell differs from what it showed before it was pressed: its animal. The
    whole cell is sampled, as a thin animal (a giraffe, a parrot) leaves most of it as it was."""
    left, top = board.centre(*cell)
    points = [(left + dx * board.width // 20, top + dy * board.height // 20)
              for dx in range(-9, 10) for dy in range(-9, 10)]
    return sum(before(x, y) != after(x, y) for x, y in points) > len(points) // 20


def play_a_pair(game, window):
    main = game.settled("the main window to settle", window)
    board = WineBoard(game, window)
    board.measure()
    g, d = pairs_of(game.boards(1)[-1])[0]
    before = game.screenshot()
    board.press(*g)
    game.find_window("^Environnement$", size_at_least=(100, 100))
    board.press(*d)
    # Away from the board, so that the bird leaves the cells; a found pair stays shown.
    game.move(main.right + 20, main.bottom + 20)
    time.sleep(2)
    after = game.screenshot()
    for cell in (g, d):
        check(revealed(before, after, board, cell), f"cell {cell} not shown")


def play_and_close(game, play):
    game.start()
    window = game.find_window("^Kornibelle$", size_at_least=(200, 200), timeout=WINE_TIMEOUT)
    if play:
        play_a_pair(game, window)
    # The close box: the last button of openbox's title bar, at its right end.
    main = game.settled("the main window to settle", window)
    game.click_at(main.right - 12, main.top + 10)
    status = game.wait_exit(60)
    check(status == 0, f"exit status {status}:\n" + game.output())
    check(os.path.exists(game.settings_path), "no Kornibelle.INI beside the program")
    return game.settings().get("jeu", {})


def case_zip(archive, folder):
    game = WineGame(archive, folder, os.environ.get("WINEPREFIX") or os.path.join(folder, "wine"))
    with game, Desktop(game, "openbox", "top"):
        check(play_and_close(game, play=True).get("typejeu") == "0", "settings not written")
        # A parent switches to the polar regions by hand: the next game reads it, and its close
        # writes back what it read.
        with open(game.settings_path, "rb") as f:
            text = f.read()
        with open(game.settings_path, "wb") as f:
            f.write(text.replace(b"TypeJeu=0", b"TypeJeu=1"))
        check(play_and_close(game, play=False).get("typejeu") == "1",
              "the setting changed between two games was lost")


if __name__ == "__main__":
    sys.exit(harness.main({"zip": case_zip}, TOOLS, __doc__))
