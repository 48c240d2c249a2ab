#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays the real program with its default pictures on the desktops people use: a laptop's
or a desktop's screen, a real window manager and a panel that reserves a strip of the
screen. The main window's frame and its 20 cells, the environment viewer and the won window
must all lie inside the work area, and the game must be won to its end.

    desktops_e2e.py --binary build/bin/kornibelle --manifest build/catalogue.json CASE

Each CASE starts its own X server and session bus, so cases may run side by side. Exit
status 77 means a tool or the default pictures are missing (the case is skipped).
Coordinates here are the screen's own pixels, whatever the program's scale factor."""

import functools
import os
import sys
import time

import harness
from assets import pack_of
from game import QUIET, Board, DesktopGame
from harness import check, wait_for
from trace_log import pairs_of, read_boards
from xserver import Desktop

# name: screen width and height, scale factor of the program, window manager, panel's edge
DESKTOPS = {
    "laptop_1366x768": (1366, 768, 1, "xfwm4", "top"),
    "laptop_1280x800": (1280, 800, 1, "openbox", "top"),
    "laptop_1280x720": (1280, 720, 1, "xfwm4", "bottom"),
    "desktop_1920x1080": (1920, 1080, 1, "openbox", "bottom"),
    "hidpi_2560x1600": (2560, 1600, 2, "xfwm4", "top"),
}
TOOLS = ["Xvfb", "xdotool", "import", "xprop", "xwininfo", "dbus-launch", "xfce4-panel",
         "xfwm4", "openbox"]

# Designed places in the won window, in the program's own pixels: leave, play again.
LEAVE, REPLAY = (272 + 32, 112 + 32), (32 + 32, 112 + 32)


# The cases --------------------------------------------------------------------------------

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
        time.sleep(QUIET)
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
        time.sleep(QUIET)
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


def held_space(binary, folder):
    """openbox at 1280 x 800, an animal in every cell: Space held 4 s from the press that finds
    the last pair, the server repeating it as it does a real key. The won window waits for a
    fresh press, however long after its quiet second; Space pressed again plays again and,
    held through the change of board, presses no cell of the new board (no photograph)."""
    game = DesktopGame(binary, folder, (1280, 800), 1, settings=b"[MaxAnim]\nSavane=10\n")
    session = None
    try:
        session = Desktop(game, "openbox", "top")
        game.start(measure=False)
        window = game.find_window("^Kornibelle$", size_at_least=(200, 200))
        game.settled("the main window to settle", window)
        board = Board(game, window)
        board.measure()
        pairs = pairs_of(game.boards(1)[0])
        for g, d in pairs[:-1]:
            board.press(*g)
            board.press(*d)
        board.press(*pairs[-1][0])
        game.move(*board.centre(*pairs[-1][1]))
        game.xdotool("keydown", "space")
        time.sleep(4)
        game.xdotool("keyup", "space")
        check(len(read_boards(game.trace)) == 1,
              "the won window answered a key held since the last pair")
        game.find_window("^Bravo$", size_at_least=(100, 50))
        time.sleep(QUIET)  # it may have appeared late, the winning sound slowed by the load
        game.xdotool("keydown", "space")
        game.boards(2)
        time.sleep(2)
        game.xdotool("keyup", "space")
        time.sleep(0.5)
        check(not game.windows("^Environnement$"),
              "a key held through the change of board pressed a cell of the new one")
        game.close_request()
        game.expect_clean_exit()
    finally:
        if session:
            session.stop()
        game.stop()


def no_pack(binary):
    return None if os.path.isdir(pack_of(binary)) else "the default pictures were not built"


CASES = {name: functools.partial(play_on, desktop) for name, desktop in DESKTOPS.items()}
CASES["maximised_1280x800"] = maximised_mid_game
CASES["held_space_1280x800"] = held_space


if __name__ == "__main__":
    sys.exit(harness.main(CASES, TOOLS, __doc__, no_pack))
