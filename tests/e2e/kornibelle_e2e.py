#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays the real program as a child would: on its own X server, in a temporary folder
holding a copy of the program and a small set of pictures and sounds written here, with
xdotool for the mouse and the keyboard and screenshots for what is seen.

    kornibelle_e2e.py --binary build/bin/kornibelle --manifest build/catalogue.json CASE

Each CASE starts its own X server, so cases may run side by side. Exit status 77 means a
tool is missing (the case is skipped)."""

import os
import random
import shutil
import signal
import sys
import time

import harness
from assets import (BIRD_COLOUR, BOARD, CATALOGUE, FARM_COLOUR, POLAR_COLOUR, SAVANNA,
                    SAVANNA_COLOUR, SPRITE_MARGIN, SPRITE_WIDTH, animal_files, sprite_colour)
from game import QUIET, Game, answer_won, keys_between, play_board
from harness import SKIP, check, wait_for
from shown import (bird_resting_at, cell_hidden, grid_is_absent, grid_is_white, grid_whole,
                   sprite_shown)
from trace_log import pairs_of, read_boards
from xserver import SCREEN_HEIGHT, SCREEN_WIDTH


def find_a_pair(game):
    """Presses the first pair of the first board; waits until its second sprite is shown."""
    board = game.boards(1)[0]
    g, d = pairs_of(board)[0]
    game.press(*g)
    game.press(*d)
    game.wait_screen("the pair shown", lambda s: sprite_shown(
        game, s, *d, sprite_colour(board[d[0]][d[1]][0]), SAVANNA_COLOUR))


def case_whole_game(binary, folder):
    """Two games won in a row: play again, then leave; the settings are written beside the
    program."""
    with Game(binary, folder) as game:
        game.start()
        first = game.boards(1)[0]
        shot = game.wait_screen("the grid drawn in white", lambda s: grid_is_white(game, s))
        for r, c in ((0, 0), (3, 4)):
            check(cell_hidden(game, shot, r, c, SAVANNA_COLOUR), "a cell is not hidden at start")
        play_board(game, first, check_pictures=True)
        answer_won(game, play_again=True)
        second = game.boards(2)[1]
        game.wait_screen("the new board hidden",
                         lambda s: all(cell_hidden(game, s, *p, SAVANNA_COLOUR)
                                       for pair in pairs_of(second) for p in pair))
        play_board(game, second, check_pictures=False)
        answer_won(game, play_again=False)
        status = game.wait_exit()
        check(status == 0, f"exit status {status}:\n" + game.output())
        settings = game.settings()
        check(settings.get("jeu", {}).get("typejeu") == "0", f"settings: {settings}")
        check(settings.get("maxanim", {}).get("savane") == "5", f"settings: {settings}")
        check(settings.get("form", {}).get("initmax") == "0", f"settings: {settings}")
        check(len(read_boards(game.trace)) == 2, "the trace does not hold two boards")


def case_options(binary, folder):
    """The options dialog from the keyboard (polar, 3 animals) and with the mouse (no grid);
    closing with the menu's Quitter writes what was chosen."""
    with Game(binary, folder) as game:
        game.start()
        game.boards(1)
        dialog = game.open_options()
        # Environment box first, then the number box; OK comes after the arrows.
        game.keys_to(dialog, "Down", "Tab", "Up", "Up", "Tab", "Tab", "space")
        board = game.boards(2)[1]
        pairs = pairs_of(board)
        check(len(pairs) == 3, f"{len(pairs)} pairs instead of 3")
        check(all(board[g[0]][g[1]][0].startswith("./Polaire/") for g, _ in pairs),
              "the new board is not polar")
        game.wait_screen("the polar background", lambda s: cell_hidden(game, s, 0, 0, POLAR_COLOUR))

        x, y, _, _ = game.geometry(game.open_options())
        game.click_at(x + 24, y + 80)  # "Dessin des cases"
        game.click_at(x + 53, y + 180)  # OK
        game.boards(3)
        game.wait_screen("the grid gone", lambda s: grid_is_absent(game, s, POLAR_COLOUR))

        game.open_first_menu()
        game.key("q")
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "1", f"settings: {settings}")
        check(settings["maxanim"]["polaire"] == "3", f"settings: {settings}")
        check(settings["cases"]["dess"] == "0", f"settings: {settings}")


def case_toolbar(binary, folder):
    """The toolbar's environment buttons start new games in their environment."""
    with Game(binary, folder) as game:
        game.start()
        game.boards(1)
        x, y, _, _ = game.geometry(game.window)
        middle = y + game.menu_height + BOARD.toolbar_height // 2
        for count, (left, folder_name, colour) in enumerate(
                ((232, "./Polaire/", POLAR_COLOUR), (307, "./Ferme/", FARM_COLOUR),
                 (157, "./Savane/", SAVANNA_COLOUR)), 2):
            game.click_at(x + left + 37, middle)
            board = game.boards(count)[-1]
            check(all(board[g[0]][g[1]][0].startswith(folder_name) for g, _ in pairs_of(board)),
                  f"the new board is not in {folder_name}")
            game.wait_screen(f"the background of {folder_name}",
                             lambda s: cell_hidden(game, s, 0, 0, colour))
        game.close_request()
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "0", f"settings: {settings}")


def case_close_box(binary, folder):
    """A close request ends the program even without any sound device (the leaving sound
    is silence), and the first close writes the whole settings file."""
    with Game(binary, folder) as game:
        game.start(audio="nosuchdevice")
        game.boards(1)
        game.close_request()
        game.expect_clean_exit()
        with open(game.settings_path) as f:
            text = f.read()
        expected = ("[Jeu]\nTypeJeu=0\n[MaxAnim]\nSavane=5\nPolaire=5\nFerme=5\n[Cases]\n"
                    "Dess=1\n[Environ]\nDess=1\nBruitage=1\nNom=1\n[Form]\nInitMax=0\n"
                    "[Image]\nChoix=0\n")
        check(text.replace("\r\n", "\n") == expected, "settings file:\n" + text)


def case_missing_backgrounds(binary, folder):
    """No background at all: "Pas d'image" at start-up; the program stays and closes."""
    with Game(binary, folder) as game:
        for name in CATALOGUE["backgrounds"][SAVANNA]:
            os.remove(os.path.join(folder, name))
        game.start(measure=False)
        game.dismiss("Erreur")
        game.close_request()
        game.expect_clean_exit()


def case_missing_bird(binary, folder):
    """No resting bird and a start-up sound that is no sound: an error box when the first
    game draws the bird, and no other for that game; the window plays and closes."""
    with Game(binary, folder) as game:
        os.remove(os.path.join(folder, CATALOGUE["resting_bird"]))
        with open(os.path.join(folder, CATALOGUE["sounds"][0]), "wb") as f:
            f.write(b"RIFF\xff\xff\xff\xffWAVEfmt " + bytes(50))
        game.start(measure=False)
        game.dismiss("Erreur")
        game.window = game.find_window("^Kornibelle$", size_at_least=(200, 200))
        game.measure()
        board = game.boards(1)[0]
        g, d = pairs_of(board)[0]
        game.move(*game.centre(*g))
        # Reported once for the game: the board shows the system pointer and moves stay quiet.
        check(wait_for(None, lambda: game.windows("^Erreur$"), timeout=3) is None,
              "the bird was reported again")
        game.xdotool("click", 1)
        game.wait_screen("the sprite shown", lambda s: sprite_shown(
            game, s, *g, sprite_colour(board[g[0]][g[1]][0]), SAVANNA_COLOUR))
        game.close_request()
        game.expect_clean_exit()


def case_extreme_settings(binary, folder):
    """Settings at the ends of their ranges: an unknown environment is reported, then the
    polar button starts a full board of ten animals, which is won."""
    content = (b"[Jeu]\nTypeJeu=-2147483648\n[MaxAnim]\n0=-5\n1=2147483647\n"
               b"[Cases]\nDess=-1\n[Environ]\nDess=0\nBruitage=0\n[Image]\nChoix=7\n")
    with Game(binary, folder, settings=content) as game:
        game.start(measure=False)
        game.dismiss("Erreur")
        window = game.find_window("^Kornibelle$", size_at_least=(200, 100))
        x, y, _, _ = game.geometry(window)
        check(read_boards(game.trace) == [], "an unknown environment set up a board")
        game.window = window
        # The toolbar lies below the menu bar, whose height is not known before a board is:
        # tried downwards from the menu bar until the polar button answers.
        for menu in range(10, 40):
            game.click_at(x + 232 + 37, y + menu + BOARD.toolbar_height // 2)
            if read_boards(game.trace):
                break
        game.measure()
        board = game.boards(1)[0]
        check(len(pairs_of(board)) == 10, "the polar board is not full")
        play_board(game, board, check_pictures=True, background=POLAR_COLOUR)
        answer_won(game, play_again=False)
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "1", f"settings: {settings}")
        check(settings["maxanim"]["polaire"] == "2147483647", f"settings: {settings}")


def case_terminate(binary, folder):
    """SIGTERM then SIGHUP, as a session's end sends them, once sounds played and while the options
    dialog is open: the dialog and the window close as by their close boxes, the settings
    are written, and the program ends by the signal it handled first."""
    with Game(binary, folder, settings=b"[Jeu]\nTypeJeu=0\n") as game:
        game.start()
        board = game.boards(1)[0]
        g, _ = pairs_of(board)[0]
        game.press(*g)
        game.wait_screen("the sprite shown", lambda s: sprite_shown(
            game, s, *g, sprite_colour(board[g[0]][g[1]][0]), SAVANNA_COLOUR))
        game.open_options()
        game.process.terminate()
        game.process.send_signal(signal.SIGHUP)
        status = game.wait_exit(10)
        check(status in (-signal.SIGTERM, -signal.SIGHUP), f"status {status}:\n" + game.output())
        settings = game.settings()
        check(settings.get("maxanim") == {"savane": "5", "polaire": "5", "ferme": "5"},
              f"settings: {settings}")
        check(settings.get("image", {}).get("choix") == "0", f"settings: {settings}")


def case_child_at_the_keyboard(binary, folder):
    """A child pressing anywhere, double-clicking, dragging and hitting keys: the program
    stays, and once the dialogs that opened are closed it closes normally."""
    chance = random.Random(20261207)
    with Game(binary, folder) as game:
        game.start()
        x0, y0, width, height = game.box
        keys = ["space", "Return", "Escape", "a", "z", "Tab", "Up", "Down", "BackSpace", "F1",
                "ctrl+n", "alt+j", "Delete", "1", "Left"]
        for _ in range(60):
            x = x0 + chance.randrange(width)
            y = y0 + chance.randrange(height)
            action = chance.randrange(5)
            game.move(x, y)
            if action == 0:
                game.xdotool("click", "--repeat", 2, "--delay", 30, chance.choice((1, 3)))
            elif action == 1:
                game.xdotool("mousedown", 1)
                game.move(x0 + chance.randrange(width), y0 + chance.randrange(height))
                game.xdotool("mouseup", 1)
            elif action == 2:
                game.xdotool("key", "--window", game.window, chance.choice(keys))
            else:
                game.xdotool("click", 1)
            game.check_running()
            # A won board is answered "play again", as a child would.
            for window in game.windows("^Bravo$"):
                answer_won(game, play_again=True)
        for _ in range(3):
            game.key("Escape")
        game.close_request()
        game.expect_clean_exit()


def case_bird_at_the_pointer(binary, folder):
    """The bird is the child's pointer: sitting on the grid lines, then moved on, it leaves
    them whole; after a click without a move it is where the pointer is; once the pointer
    has left the window no bird is left on the board."""
    with Game(binary, folder) as game:
        game.start()
        board = game.boards(1)[0]
        (row, column), _ = pairs_of(board)[0]
        centre = game.centre(row, column)
        game.move(*centre)
        game.wait_screen("the grid drawn in white, the bird in a cell",
                         lambda s: bird_resting_at(s, *centre) and grid_whole(game, s))
        x0, y0, width, height = game.box
        crossings = [(x0 + c * game.cell_width, y0 + r * game.cell_height)
                     for r, c in ((1, 1), (1, 4), (2, 2), (3, 3))]
        crossings += [(x0 + game.cell_width * 3, y0 + 30), (x0 + 40, y0 + game.cell_height * 2),
                      (x0 + 5, y0 + 4 * game.cell_height)]
        for x, y in crossings:
            game.move(x, y)
            game.wait_screen(f"the bird resting at {x},{y}", lambda s: bird_resting_at(s, x, y))
        game.move(*centre)
        game.wait_screen("the grid whole again, the bird in a cell",
                         lambda s: bird_resting_at(s, *centre) and grid_whole(game, s))

        game.xdotool("click", 1)
        colour = sprite_colour(board[row][column][0])
        game.wait_screen("the sprite shown and the bird still at the pointer", lambda s: (
            sprite_shown(game, s, row, column, colour, SAVANNA_COLOUR)
            and bird_resting_at(s, *centre)))

        corner = crossings[0]
        game.move(*corner)
        game.wait_screen("the bird on a crossing", lambda s: bird_resting_at(s, *corner))
        game.move(SCREEN_WIDTH - 10, SCREEN_HEIGHT - 10)

        def bird_gone(shot):
            return grid_whole(game, shot) and not any(
                shot(x, y) == BIRD_COLOUR for x in range(x0, x0 + width, 2)
                for y in range(y0, y0 + height, 2))
        game.wait_screen("no bird left on the board", bird_gone)
        game.close_request()
        game.expect_clean_exit()


def case_keyboard_alone(binary, folder):
    """Two games won with the keyboard alone, the pointer outside the window: the arrows take
    the bird to each cell, Space and Return press there; the won window plays again on Return
    and leaves on Escape. The pointer never moves."""
    with Game(binary, folder, settings=b"[MaxAnim]\nSavane=2\n") as game:
        game.move(SCREEN_WIDTH - 5, SCREEN_HEIGHT - 5)
        game.start()
        bird = (0, 0)
        for number, leave in ((1, False), (2, True)):
            board = game.boards(number)[-1]
            for g, d in pairs_of(board):
                game.keys_to(game.window, *keys_between(bird, g), "space",
                             *keys_between(g, d), "Return")
                bird = d
            bravo = game.find_window("^Bravo$", size_at_least=(300, 150))
            time.sleep(QUIET)
            game.keys_to(bravo, "Escape" if leave else "Return")
        check(game.wait_exit() == 0, "exit status:\n" + game.output())
        location = game.xdotool("getmouselocation", output=True)
        check(f"x:{SCREEN_WIDTH - 5} y:{SCREEN_HEIGHT - 5}" in location,
              f"the pointer moved: {location}")


def case_hand_edits(binary, folder):
    """A settings file written by hand (comments, blank lines, a section of one's own, 8-bit
    text, CRLF): after a game, every byte of it is still there; the missing keys are added
    where they belong, in its own line ends."""
    written = (b"; R\xe9glages de Kornibelle, \xe9crits \xe0 la main\r\n\r\n[Jeu]\r\n"
               b"TypeJeu = 0\r\n\r\n; deux paires pour aller vite\r\n[MaxAnim]\r\nSavane=2\r\n"
               b"[Perso]\r\nNote=\xe9l\xe9phant\r\nune ligne sans \xe9gal\r\n")
    with Game(binary, folder, settings=written) as game:
        game.start()
        board = game.boards(1)[0]
        check(len(pairs_of(board)) == 2, "the hand-written count was not read")
        play_board(game, board, check_pictures=False)
        answer_won(game, play_again=False)
        check(game.wait_exit() == 0, "exit status:\n" + game.output())
        with open(game.settings_path, "rb") as f:
            content = f.read()
        expected = written.replace(b"Savane=2\r\n",
                                   b"Savane=2\r\nPolaire=5\r\nFerme=5\r\n") + (
            b"[Cases]\r\nDess=1\r\n[Environ]\r\nDess=1\r\nBruitage=1\r\nNom=1\r\n[Form]\r\n"
            b"InitMax=0\r\n[Image]\r\nChoix=0\r\n")
        check(content == expected, f"settings file:\n{content!r}\ninstead of\n{expected!r}")


def garbage_settings():
    noise = bytes((i * 7919 + 13) % 256 for i in range(4096))
    return (noise + b"\n[Jeu]\nTypeJeu=\x00\x01\n" + b"x" * 1_000_000 + b"\n[Cases\nDess=\xff\xfe\n"
            + b"[Environ]\n" + b"Dess=" + b"9" * 5000 + b"\n\x00\x00\x00")


def case_garbage_settings(binary, folder):
    """A settings file of random bytes, a huge line and NULs: the defaults, a playable
    game, and a sound file after closing."""
    with Game(binary, folder, settings=garbage_settings()) as game:
        game.start()
        find_a_pair(game)
        game.close_request()
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "0" and settings["cases"]["dess"] == "1",
              f"settings: {settings}")


def case_read_only_settings(binary, folder):
    """A read-only settings file is read and left as it was; the settings go to the
    user's own file."""
    content = b"[Jeu]\nTypeJeu=1\n[Cases]\nDess=0\n"
    with Game(binary, folder, settings=content) as game:
        os.chmod(game.settings_path, 0o444)
        game.start()
        board = game.boards(1)[0]
        (row, column), _ = pairs_of(board)[0]
        check(board[row][column][0].startswith("./Polaire/"), "the settings were not read")
        game.close_request()
        check(game.wait_exit() == 0, "exit status:\n" + game.output())
        with open(game.settings_path, "rb") as f:
            check(f.read() == content, "the read-only settings file was changed")
        # The user's own file takes the writes, and is the one read from then on.
        game.settings_path = os.path.join(game.home, "config", "kornibelle", "kornibelle.INI")
        settings = game.settings()
        check(settings["jeu"]["typejeu"] == "1" and settings["cases"]["dess"] == "0",
              f"settings: {settings}")


def case_read_only_folder(binary, folder):
    """A user who may not write in the game's folder: the trace and the settings go to the
    user's own folders, and the game plays and closes as usual."""
    if os.geteuid() != 0 or shutil.which("setpriv") is None:
        print("needs root and setpriv to play as another user: skipped")
        sys.exit(SKIP)
    nobody = 65534
    with Game(binary, folder) as game:
        try:
            for root, folders, files in os.walk(folder):
                for name in folders:
                    os.chmod(os.path.join(root, name), 0o755)
            os.chmod(folder, 0o555)
            for root, folders, files in os.walk(game.home):
                os.chown(root, nobody, nobody)
            os.chown(game.home, nobody, nobody)
            game.trace = os.path.join(game.home, "state", "kornibelle", "espion.log")
            game.start(user=nobody)
            find_a_pair(game)
            check(not os.path.exists(os.path.join(folder, "espion.log")), "a trace in the folder")
            game.settings_path = os.path.join(game.home, "config", "kornibelle", "kornibelle.INI")
            game.close_request()
            settings = game.expect_clean_exit()
            check(settings["jeu"]["typejeu"] == "0", f"settings: {settings}")
            check(not os.path.exists(os.path.join(folder, "kornibelle.INI")),
                  "settings in the folder")
        finally:
            os.chmod(folder, 0o755)


def case_no_trace(binary, folder):
    """The trace cannot be created (a folder stands in its place): the game is still
    played."""
    with Game(binary, folder) as game:
        os.mkdir(game.trace)
        game.start()
        colours = {sprite_colour(name) for name in
                   animal_files(SAVANNA, "sprite") + animal_files(SAVANNA, "mirror")}
        # Eleven cells hold at least one animal; the last one revealed stays shown.
        cells = [divmod(index, BOARD.columns) for index in range(11)]
        for cell in cells:
            game.press(*cell)

        def revealed(shot):
            return any(shot(x - SPRITE_WIDTH // 2 + SPRITE_MARGIN, y) in colours
                       for x, y in (game.centre(*cell) for cell in cells))
        game.wait_screen("a sprite revealed", revealed)
        game.close_request()
        game.expect_clean_exit()


def case_broken_files(binary, folder):
    """A sprite one byte long, a photograph that is no picture, an empty bird frame and
    empty cries: error boxes where pictures fail, play goes on, closing is normal."""
    with Game(binary, folder) as game:
        game.start()
        board = game.boards(1)[0]
        pairs = pairs_of(board)
        (g1, d1), (g2, d2) = pairs[0], pairs[1]
        cell = board[g1[0]][g1[1]]
        with open(os.path.join(folder, cell[0]), "wb") as f:
            f.write(b"B")
        with open(os.path.join(folder, board[g2[0]][g2[1]][3]), "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + bytes(100))
        for name in animal_files(SAVANNA, "cry"):
            open(os.path.join(folder, name), "wb").close()

        game.press(*g1)
        game.dismiss("Erreur")
        game.press(*g2)
        game.dismiss("Erreur")
        game.press(*d2)
        game.wait_screen("the second pair shown", lambda s: sprite_shown(
            game, s, *d2, sprite_colour(board[d2[0]][d2[1]][0]), SAVANNA_COLOUR))

        open(os.path.join(folder, CATALOGUE["flight"][2]), "wb").close()
        game.move(*game.centre(*d1))
        game.dismiss("Erreur")
        game.close_request()
        game.expect_clean_exit()


CASES = {name[5:]: function for name, function in globals().items()
         if name.startswith("case_")}


if __name__ == "__main__":
    sys.exit(harness.main(CASES, ("Xvfb", "xdotool", "import", "convert"), __doc__))
