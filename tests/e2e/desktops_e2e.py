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
import signal
import sys
import time

import harness
from assets import pack_of
from game import QUIET, Board, DesktopGame, keys_between
from harness import check, wait_for
from trace_log import pairs_of, read_boards
from xserver import Desktop, Rect

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
    with game, Desktop(game, manager, edge) as session:
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


def win(game, board, pairs, answer):
    """Finds the pairs in that order, first cell then second, then answers the won window at
    that place of it once its quiet second is over."""
    for first, second in pairs:
        board.press(*first)
        board.press(*second)
    won = game.settled("the won window to settle",
                       game.find_window("^Bravo$", size_at_least=(100, 50)))
    time.sleep(QUIET)
    game.click_at(won.left + answer[0], won.top + answer[1])


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
    with game, Desktop(game, "openbox", "top"):
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
        win(game, board, pairs[1:], REPLAY)
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


def photograph_in_the_corner(binary, folder):
    """openbox on a 5:4 screen, the window maximised: the board leaves no room beside it, so
    the photograph window stands in a corner of the board, over hidden cells. The arrows bring
    the bird onto one of them: the photograph gives way, as it does for the pointer. A press on
    a hidden cell under it reveals that cell, and every later press still reaches its cell: the
    game is won."""
    # Every cell hides an animal: no corner is free of them.
    game = DesktopGame(binary, folder, (1280, 1024), 1, settings=b"[MaxAnim]\nSavane=10\n")
    with game, Desktop(game, "openbox", "top"):
        game.start(measure=False)
        window = game.find_window("^Kornibelle$", size_at_least=(200, 200))
        toggle_maximised(game, window, game.settled("the main window to settle", window), True)
        board = Board(game, window)
        board.measure()
        pairs = pairs_of(game.boards(1)[0])
        board.press(*pairs[0][0])
        photograph = game.find_window("^Environnement$", size_at_least=(100, 100))

        def viewer():
            game.settled("the viewer to settle", photograph)
            return game.client(photograph)  # its title bar is the window manager's

        def covered(cell, over):
            x, y = board.centre(*cell)
            return Rect(x, y, x + 1, y + 1).overlaps(over)
        first = viewer()
        check(first.overlaps(board.cells), f"viewer {first} not over the cells {board.cells}")
        under = next(cell for pair in pairs[1:] for cell in pair if covered(cell, first))
        game.keys_to(window, *keys_between(pairs[0][0], under))
        wait_for("the viewer off the bird's cell", lambda: not covered(under, viewer()))

        now = viewer()
        under = [pair if covered(pair[0], now) else pair[::-1]
                 for pair in pairs[1:] if covered(pair[0], now) or covered(pair[1], now)]
        check(under, f"no hidden cell under the viewer {now}")
        # Its partner makes a pair only if the press under the photograph reached the cell.
        rest = [pair for pair in pairs[1:] if set(pair) != set(under[0])]
        win(game, board, [under[0], pairs[0], *rest], LEAVE)
        game.expect_clean_exit()


def held_space(binary, folder):
    """openbox at 1280 x 800, an animal in every cell: Space held 4 s from the press that finds
    the last pair, the server repeating it as it does a real key. The won window waits for a
    fresh press, however long after its quiet second; Space pressed again plays again and,
    held through the change of board, presses no cell of the new board (no photograph)."""
    game = DesktopGame(binary, folder, (1280, 800), 1, settings=b"[MaxAnim]\nSavane=10\n")
    with game, Desktop(game, "openbox", "top"):
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


def window_id(text):
    """The window an xprop line names ("... # 0x1e00005"), or None."""
    return int(text.split("#", 1)[1].split(",")[0], 16) if "#" in text else None


def states(game, window):
    return game.run("xprop", "-id", str(window), "_NET_WM_STATE")


def whole(game, window):
    """Shown with its contents, not rolled up to its title bar."""
    return ("SHADED" not in states(game, window)
            and "IsViewable" in game.run("xwininfo", "-id", str(window)))


def check_owned(game, window, main, modal):
    """A secondary window as the window manager and task lists see it: a dialog behind a
    utility window (modal, focused) or a tool bar (the photograph, which takes no focus),
    transient for the main window (task lists then leave it out), never maximisable, minimised
    only along with the main window."""
    types = game.run("xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE")
    first = "UTILITY" if modal else "TOOLBAR"
    check(f"_NET_WM_WINDOW_TYPE_{first}, _NET_WM_WINDOW_TYPE_DIALOG" in types,
          f"window types {types.strip()}")
    owner = window_id(game.run("xprop", "-id", str(window), "WM_TRANSIENT_FOR"))
    check(owner == main, f"transient for {owner}, not for the main window {main}")
    allowed = game.run("xprop", "-id", str(window), "_NET_WM_ALLOWED_ACTIONS")
    check("MAXIMIZE" not in allowed, "a secondary window maximisable")
    if "_NET_WM_ACTION_MINIMIZE" in allowed:
        # openbox offers it for every dialog: the main window must go, and come back, with it.
        game.xdotool("windowminimize", window)
        wait_for("the main window minimised along", lambda: "HIDDEN" in states(game, main))
        game.xdotool("windowactivate", main)
        wait_for("both shown again", lambda: "HIDDEN" not in states(game, main) + states(
            game, window))
    if modal:
        check("_NET_WM_STATE_MODAL" in states(game, window), "a modal window not told modal")
        wait_for("the modal window focused",
                 lambda: window_id(game.run("xprop", "-root", "_NET_ACTIVE_WINDOW")) == window)


def open_options(game, window):
    """Alt+F, two menus to the right, Enter: each step awaited. Menus are told from the
    program's other windows as the ones that come and go."""
    def menus():
        found = game.xdotool("search", "--onlyvisible", "--class", "kornibelle", output=True)
        return set(map(int, found.split())) - set(game.windows(".+"))
    game.keys_to(window, "alt+f")
    first = wait_for("the first menu", menus)
    game.key("Right")
    wait_for("the next menu", lambda: menus() not in (set(), first))
    game.key("Right")
    wait_for("the menus closed", lambda: not menus())
    game.key("Return")
    return game.find_window("^Options$", size_at_least=(300, 150))


def maximised_by_the_manager(manager, binary, folder):
    """Opened maximised by its settings file, the frame fills the work area. The options
    dialog and the photograph window are secondary windows; rolled up by the window manager,
    the options come back whole, and the photograph is whole at the next reveal. Restored from the title bar, the
    window lies inside the work area; maximised and restored twice in a row as a child's double
    clicks do, it comes back at that same size and place. Closed restored, it remembers it."""
    game = DesktopGame(binary, folder, (1366, 768), 1, settings=b"[Form]\r\nInitMax=1\r\n")
    with game, Desktop(game, manager, "top") as session:
        area = session.area
        game.start(measure=False)
        window = game.window = game.find_window("^Kornibelle$", size_at_least=(200, 200))
        wait_for("the window maximised", lambda: "MAXIMIZED_HORZ" in states(game, window))
        main = game.settled("the main window to settle", window)
        check(main == area, f"maximised to {main}, the work area is {area}")
        check(game.min_max(window), "the main window cannot be maximised")

        options = open_options(game, window)
        check_owned(game, options, window, modal=True)
        game.xlib.roll_up(options)
        wait_for("the options whole again", lambda: whole(game, options))
        game.xlib.close_request(options)
        wait_for("the options closed", lambda: not game.windows("^Options$"))
        board = Board(game, window)
        board.measure()
        pairs = pairs_of(game.boards(1)[0])
        board.press(*pairs[0][0])
        viewer = game.find_window("^Environnement$", size_at_least=(100, 100))
        check_owned(game, viewer, window, modal=False)
        game.xlib.roll_up(viewer)
        board.press(*pairs[1][0])
        wait_for("the photograph whole at the next reveal", lambda: whole(game, viewer))

        normal = toggle_maximised(game, window, main, False)
        check(normal.inside(area) and normal != area,
              f"restored to {normal}, the work area is {area}")
        toggle_maximised(game, window, normal, True)
        # The pointer stays on the title bar: restored, maximised and restored without a pause.
        for _ in range(3):
            game.xdotool("click", "--repeat", 2, "--delay", 80, 1)
            time.sleep(0.1)
        wait_for("the window restored", lambda: "MAXIMIZED_HORZ" not in states(game, window))
        again = game.settled("the main window to settle", window)
        check(again == normal, f"restored to {again}, first to {normal}")
        game.close_request()
        check(game.expect_clean_exit()["form"].get("initmax") == "0",
              "the restored state was not kept")


def double_click_while_busy(binary, folder):
    """xfwm4 at 1366 x 768, a fresh start: the title bar double-clicked while the program is
    busy (held here) before it has handled the window manager's first events. It reads its
    frame once it knows the window maximised: the window stays maximised, filling the work
    area, and a double click restores it inside the work area."""
    game = DesktopGame(binary, folder, (1366, 768), 1)
    with game, Desktop(game, "xfwm4", "top") as session:
        game.start(measure=False)
        window = wait_for("the main window shown", lambda: game.windows("^Kornibelle$"))[0]
        os.kill(game.process.pid, signal.SIGSTOP)
        try:
            toggle_maximised(game, window, game.outer(window), True)
        finally:
            os.kill(game.process.pid, signal.SIGCONT)
        Board(game, window).measure()
        main = game.settled("the main window to settle", window)
        check(main == session.area and "MAXIMIZED_HORZ" in states(game, window),
              f"left at {main}, not maximised to the work area {session.area}")
        normal = toggle_maximised(game, window, main, False)
        check(normal.inside(session.area), f"restored to {normal}, the work area is "
              f"{session.area}")
        game.close_request()
        game.expect_clean_exit()


def no_pack(binary):
    return None if os.path.isdir(pack_of(binary)) else "the default pictures were not built"


CASES = {name: functools.partial(play_on, desktop) for name, desktop in DESKTOPS.items()}
CASES["maximised_1280x800"] = maximised_mid_game
CASES["photograph_in_the_corner"] = photograph_in_the_corner
CASES["held_space_1280x800"] = held_space
CASES["double_click_while_busy"] = double_click_while_busy
for manager in ("xfwm4", "openbox"):
    CASES["window_manager_" + manager] = functools.partial(maximised_by_the_manager, manager)


if __name__ == "__main__":
    sys.exit(harness.main(CASES, TOOLS, __doc__, no_pack))
