#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays the real program as a child would: on its own X server, in a temporary folder
holding a copy of the program and a small set of pictures and sounds written here, with
xdotool for the mouse and the keyboard and screenshots for what is seen.

    kornibelle_e2e.py --binary build/bin/kornibelle CASE

Each CASE starts its own X server, so cases may run side by side. Exit status 77 means a
tool is missing (the case is skipped)."""

import argparse
import ctypes
import ctypes.util
import json
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import traceback
import wave
import zlib

SKIP = 77
TIMEOUT = 30.0

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
# Backgrounds small enough not to be reduced on the screen: the client area takes their size.
BACKGROUND_WIDTH, BACKGROUND_HEIGHT = 800, 600
TOOLBAR_HEIGHT = 30
SAVANNA_COLOUR = (150, 110, 60)
POLAR_COLOUR = (70, 110, 160)
# Sprites: a coloured block inside a black (transparent) margin.
SPRITE_WIDTH, SPRITE_HEIGHT, SPRITE_MARGIN = 64, 48, 8
BIRD_WIDTH, BIRD_HEIGHT = 16, 12
BIRD_COLOUR = (250, 220, 40)
WHITE = (255, 255, 255)

SAVANNA, POLAR = 0, 1
# The game's files, from the manifest the build writes of its catalogue (main() loads it).
CATALOGUE = {}


def load_catalogue(path):
    with open(path) as f:
        CATALOGUE.update(json.load(f))


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; fails with `what` after timeout, or
    returns None then when `what` is None."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            if what is None:
                return None
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


# Pictures and sounds ----------------------------------------------------------------------

def write_bmp(path, width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_wav(path, milliseconds=30):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(11025)
        count = 11025 * milliseconds // 1000
        w.writeframes(bytes(128 + (40 if (i // 12) % 2 else -40) for i in range(count)))


def write_jpeg(path, width, height, colour):
    subprocess.run(["convert", "-size", f"{width}x{height}", "xc:rgb({},{},{})".format(*colour),
                    "-quality", "95", path], check=True)


def sprite_colour(name):
    """A colour of its own for every sprite file, never near black nor near a background."""
    h = zlib.crc32(name.encode())
    return (64 + h % 160, 64 + (h >> 8) % 160, 64 + (h >> 16) % 160)


def write_sprite(path, colour):
    def pixel(x, y):
        inside = (SPRITE_MARGIN <= x < SPRITE_WIDTH - SPRITE_MARGIN
                  and SPRITE_MARGIN <= y < SPRITE_HEIGHT - SPRITE_MARGIN)
        return colour if inside else (0, 0, 0)
    write_bmp(path, SPRITE_WIDTH, SPRITE_HEIGHT, pixel)


def animal_files(environment, kind):
    """The files of one kind ("sprite", "mirror", "photograph", "cry") of an environment's
    animals, as the game names them."""
    return [animal[kind] for animal in CATALOGUE["animals"][environment]]


def write_pack(folder):
    """Every file the game reads: backgrounds, sprites, photographs, cries, bird, sounds."""
    for environment, colour in ((SAVANNA, SAVANNA_COLOUR), (POLAR, POLAR_COLOUR)):
        for name in CATALOGUE["backgrounds"][environment]:
            os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
            write_jpeg(os.path.join(folder, name), BACKGROUND_WIDTH, BACKGROUND_HEIGHT, colour)
    photo = os.path.join(folder, "photo.jpg")
    write_jpeg(photo, 160, 120, (200, 180, 90))
    for environment in (SAVANNA, POLAR):
        for name in animal_files(environment, "sprite") + animal_files(environment, "mirror"):
            write_sprite(os.path.join(folder, name), sprite_colour(name))
        for name in animal_files(environment, "photograph"):
            shutil.copyfile(photo, os.path.join(folder, name))
        for name in animal_files(environment, "cry"):
            write_wav(os.path.join(folder, name))
    os.remove(photo)
    bird = BIRD_COLOUR
    write_bmp(os.path.join(folder, CATALOGUE["resting_bird"]), BIRD_WIDTH, BIRD_HEIGHT,
              lambda x, y: bird if 2 <= x < BIRD_WIDTH - 2 and 2 <= y < BIRD_HEIGHT - 2 else (0, 0, 0))
    for name in set(CATALOGUE["flight"]):
        write_bmp(os.path.join(folder, name), 100, 52,
                  lambda x, y: bird if 40 <= x < 60 and 20 <= y < 32 else (0, 0, 0))
    for name in CATALOGUE["sounds"]:
        write_wav(os.path.join(folder, name))


# The trace of the boards ------------------------------------------------------------------

def read_boards(trace_path):
    """Every complete board dumped in the trace: a list of 4 x 5 grids of
    (sprite, partner row, partner column, photograph)."""
    try:
        with open(trace_path, encoding="latin-1") as f:
            text = f.read()
    except FileNotFoundError:
        return []
    boards = []
    for block in text.split("Fin d'initialisation")[1:]:
        grid = [[None] * 5 for _ in range(4)]
        row = None
        for line in block.split("\n"):
            words = line.split()
            if line.startswith("Ligne : ") and len(words) == 3:
                row = int(words[2])
            elif line.startswith("Colonne : ") and row is not None:
                column = int(words[2])
                rest = words[3:]
                sprite = rest.pop(0) if rest and rest[0].startswith("./") else ""
                grid[row][column] = (sprite, int(rest[0]), int(rest[1]),
                                     rest[2] if len(rest) > 2 else "")
        if all(cell is not None for line in grid for cell in line):
            boards.append(grid)
    return boards


def pairs_of(board):
    """The pairs of a board as ((row, column) of 'G', (row, column) of 'D'), checking the
    board's invariants on the way."""
    pairs = []
    seen = set()
    for r in range(4):
        for c in range(5):
            sprite, pr, pc, photo = board[r][c]
            if not sprite:
                check((pr, pc) == (-1, -1), f"free cell {r},{c} has a partner")
                continue
            partner = board[pr][pc]
            check((partner[1], partner[2]) == (r, c), f"cell {r},{c}: partner does not point back")
            if sprite[-5] in "Gg":
                check(photo.endswith(".jpg"), f"cell {r},{c}: 'G' cell without photograph")
                animal = sprite[:-5]
                check(animal not in seen, f"animal {animal} twice")
                seen.add(animal)
                pairs.append(((r, c), (pr, pc)))
    return pairs


# The X server and the screen --------------------------------------------------------------

def die_with_parent():
    """In a child before it starts: killed when the harness dies, however it dies (a test
    runner's timeout included), so that no server or program outlives its test."""
    ctypes.CDLL(None, use_errno=True).prctl(1, 9)  # PR_SET_PDEATHSIG, SIGKILL


class XServer:
    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0",
             f"{width}x{height}x24", "-nolisten", "tcp"],
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
        self.lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        # Xlib's default handler ends the process on any error, such as a window that went
        # away meanwhile: errors are ignored instead, and the harness cleans up as usual.
        handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self.ignore_errors = handler(lambda display, event: 0)
        self.lib.XSetErrorHandler(self.ignore_errors)
        self.display = self.lib.XOpenDisplay(display.encode())
        check(self.display, "cannot open the display")

    def close_request(self, window):
        """WM_DELETE_WINDOW, as a window manager sends it for the close box."""
        event = Xlib.Event()
        event.xclient.type = Xlib.ClientMessage
        event.xclient.window = window
        event.xclient.message_type = self.lib.XInternAtom(self.display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = self.lib.XInternAtom(self.display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0
        self.lib.XSendEvent(self.display, window, 0, 0, ctypes.byref(event))
        self.lib.XFlush(self.display)

    def close(self):
        self.lib.XCloseDisplay(self.display)


# The program ------------------------------------------------------------------------------

class Game:
    """The program started in its own folder, on its own X server."""

    def __init__(self, binary, folder, settings=None, pack=True,
                 screen=(SCREEN_WIDTH, SCREEN_HEIGHT)):
        self.folder = folder
        self.home = os.path.join(folder, "home")
        os.makedirs(self.home, mode=0o700, exist_ok=True)
        # The settings file is found beside the program: a copy of it lives in the folder.
        self.program = os.path.join(folder, "kornibelle")
        shutil.copy2(binary, self.program)
        self.settings_path = os.path.join(folder, "kornibelle.INI")
        if settings is not None:
            with open(self.settings_path, "wb") as f:
                f.write(settings)
        if pack:
            write_pack(folder)
        self.trace = os.path.join(folder, "espion.log")
        self.x = XServer(*screen)
        self.xlib = Xlib(self.x.display)
        self.process = None
        self.window = None

    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.x.display, SDL_AUDIODRIVER="dummy", HOME=self.home,
                   XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                   XDG_STATE_HOME=os.path.join(self.home, "state"),
                   XDG_RUNTIME_DIR=self.home, QT_QPA_PLATFORM="xcb")
        env.pop("SESSION_MANAGER", None)
        return env

    def start(self, measure=True, audio="dummy", user=None):
        """Starts the program, as another user when given (a uid); with measure, waits
        until it shows its first board."""
        self.log = open(os.path.join(self.folder, "sortie.txt"), "wb")
        env = self.env()
        env["SDL_AUDIODRIVER"] = audio
        command = [self.program]
        if user is not None:
            self.readable_suppressions(env)
            # A change of user clears the parent-death signal: set again by setpriv.
            command = ["setpriv", f"--reuid={user}", f"--regid={user}", "--clear-groups",
                       "--pdeathsig", "KILL", *command]
        self.process = subprocess.Popen(command, cwd=self.folder, env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        preexec_fn=die_with_parent)
        if measure:
            self.window = self.find_window("^Kornibelle$", size_at_least=(200, 200))
            self.measure()

    def readable_suppressions(self, env):
        """The leak checker's suppressions copied where another user can read them."""
        options = env.get("LSAN_OPTIONS", "").split(":")
        for index, option in enumerate(options):
            if option.startswith("suppressions="):
                copy = os.path.join(self.home, "lsan.supp")
                shutil.copyfile(option.split("=", 1)[1], copy)
                os.chmod(copy, 0o644)
                options[index] = "suppressions=" + copy
        env["LSAN_OPTIONS"] = ":".join(options)

    def xdotool(self, *arguments, output=False):
        result = subprocess.run(["xdotool", *map(str, arguments)], env=self.env(),
                                capture_output=True, text=True)
        if output:
            return result.stdout if result.returncode == 0 else ""
        check(result.returncode == 0, f"xdotool {arguments}: {result.stderr.strip()}")
        return ""

    def windows(self, name):
        found = self.xdotool("search", "--onlyvisible", "--name", name, output=True)
        return [int(w) for w in found.split()]

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        text = self.xdotool("getwindowgeometry", "--shell", window, output=True)
        values = dict(line.split("=", 1) for line in text.split() if "=" in line)
        if not values:
            return None
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def find_window(self, name, size_at_least=(1, 1), timeout=TIMEOUT):
        def probe():
            self.check_running()
            for window in self.windows(name):
                g = self.geometry(window)
                if g and g[2] >= size_at_least[0] and g[3] >= size_at_least[1]:
                    return window
            return None
        return wait_for(f"a window named {name}", probe, timeout)

    def check_running(self):
        code = self.process.poll()
        check(code is None, f"the program ended unexpectedly with status {code}:\n"
              + self.output())

    def output(self):
        self.log.flush()
        with open(os.path.join(self.folder, "sortie.txt"), "rb") as f:
            return f.read().decode(errors="replace")

    def measure(self):
        """Places the paint box: below the menu bar and the toolbar, the client area being
        the background's size."""
        x, y, width, height = wait_for(
            "the window to take the background's size",
            lambda: (lambda g: g if g and g[2] == BACKGROUND_WIDTH else None)(
                self.geometry(self.window)))
        self.menu_height = height - BACKGROUND_HEIGHT
        check(0 < self.menu_height < 60, f"unexpected window height {height}")
        self.box = (x, y + self.menu_height + TOOLBAR_HEIGHT, width,
                    BACKGROUND_HEIGHT - TOOLBAR_HEIGHT)
        self.cell_width = BACKGROUND_WIDTH // 5
        self.cell_height = (BACKGROUND_HEIGHT - TOOLBAR_HEIGHT) // 4

    def centre(self, row, column):
        """The centre of a cell on the screen."""
        return (self.box[0] + column * self.cell_width + self.cell_width // 2,
                self.box[1] + row * self.cell_height + self.cell_height // 2)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def press(self, row, column, button=1):
        """Moves over a cell and presses and releases a button there."""
        self.move(*self.centre(row, column))
        self.xdotool("click", button)

    def boards(self, count, timeout=TIMEOUT):
        return wait_for(f"{count} boards in the trace",
                        lambda: (lambda b: b if len(b) >= count else None)(
                            read_boards(self.trace)), timeout)

    def screenshot(self):
        return Screenshot(self.x.display)

    def wait_screen(self, what, probe, timeout=TIMEOUT):
        """Takes screenshots until probe(shot) holds."""
        def attempt():
            self.check_running()
            shot = self.screenshot()
            return shot if probe(shot) else None
        return wait_for(what, attempt, timeout)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def click_at(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("click", button)

    def keys_to(self, window, *keys):
        """Gives a window the keyboard focus (there is no window manager) and types keys."""
        self.xdotool("windowfocus", "--sync", window)
        self.key(*keys)

    def popup(self):
        """The left edge of the menu that is open below the menu bar, or None. Menus bear
        no name of their own: they are told by their place."""
        found = self.xdotool("search", "--onlyvisible", "--class", "kornibelle", output=True)
        _, top, _, _ = self.geometry(self.window)
        for window in map(int, found.split()):
            g = self.geometry(window)
            if window != self.window and g and g[1] == top + self.menu_height:
                return g[0]
        return None

    def open_first_menu(self):
        """Alt+F, again if the window was not yet ready for the keyboard (a busy machine)."""
        for _ in range(10):
            self.keys_to(self.window, "alt+f")
            first = wait_for(None, self.popup, timeout=3)
            if first is not None:
                return first
        raise Failure("the first menu did not open")

    def open_options(self):
        """The options from the keyboard: the first menu, two menus to the right (the
        options have no menu of their own), Enter; each step awaited."""
        first = self.open_first_menu()
        self.key("Right")
        wait_for("the next menu", lambda: (self.popup() or first) != first)
        self.key("Right")
        wait_for("the menus closed", lambda: self.popup() is None)
        self.key("Return")
        return self.find_window("^Options$", size_at_least=(300, 150))

    def dismiss(self, title):
        """Waits for a message box of that title and answers it with Enter."""
        # Captions are exactly the window's own, with nothing appended.
        box = self.find_window(f"^{title}$", size_at_least=(50, 30))
        self.keys_to(box, "Return")
        wait_for(f"the box {title} to close", lambda: box not in self.windows(f"^{title}$"))

    def close_request(self):
        self.xlib.close_request(self.find_window("^Kornibelle$", size_at_least=(100, 100)))

    def expect_clean_exit(self):
        status = self.wait_exit()
        check(status == 0, f"exit status {status}:\n" + self.output())
        check(os.path.exists(self.settings_path), "no settings file beside the program")
        return self.settings()

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")

    def settings(self):
        """The settings file as {section: {key: value}}, names in small letters."""
        sections = {}
        current = None
        with open(self.settings_path, encoding="latin-1") as f:
            for line in f.read().splitlines():
                line = line.strip()
                if line.startswith("[") and line.endswith("]"):
                    current = sections.setdefault(line[1:-1].lower(), {})
                elif "=" in line and current is not None:
                    key, value = line.split("=", 1)
                    current[key.strip().lower()] = value.strip()
        return sections

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.xlib.close()
        self.x.stop()


# What is seen -----------------------------------------------------------------------------

def sprite_shown(game, shot, row, column, colour, background):
    """The sprite stands centred in its cell: its coloured block exactly where it belongs
    (the resting bird may sit on its middle), its black margin showing the background."""
    cx, cy = game.centre(row, column)
    left = cx - SPRITE_WIDTH // 2 + SPRITE_MARGIN
    right = cx + SPRITE_WIDTH // 2 - SPRITE_MARGIN - 1
    top = cy - SPRITE_HEIGHT // 2 + SPRITE_MARGIN
    bottom = cy + SPRITE_HEIGHT // 2 - SPRITE_MARGIN - 1
    inside = [(left, top), (right, top), (left, bottom), (right, bottom), (left, cy), (right, cy)]
    outside = [(left - 1, top), (right + 1, bottom), (left, top - 1), (right, bottom + 1),
               (cx - SPRITE_WIDTH // 2, cy - SPRITE_HEIGHT // 2)]
    return (all(shot(x, y) == colour for x, y in inside)
            and all(near(shot(x, y), background) for x, y in outside))


def cell_hidden(game, shot, row, column, background):
    cx, cy = game.centre(row, column)
    points = [(cx - 20, cy - 12), (cx + 20, cy + 12), (cx - 20, cy + 12)]
    return all(near(shot(x, y), background) for x, y in points)


def grid_is_white(game, shot):
    x0, y0, width, height = game.box
    for c in range(1, 5):
        for y in (y0 + 5, y0 + height // 2, y0 + height - 5):
            if shot(x0 + c * game.cell_width, y) != WHITE:
                return False
    for r in range(1, 4):
        for x in (x0 + 5, x0 + width // 2 + 7, x0 + width - 5):
            if shot(x, y0 + r * game.cell_height) != WHITE:
                return False
    return True


def grid_is_absent(game, shot, background):
    x0, y0, width, height = game.box
    return all(near(shot(x0 + c * game.cell_width, y0 + height // 2 + 13), background)
               for c in range(1, 5))


def won_window(game):
    window = game.find_window("^Bravo$", size_at_least=(300, 150))
    return game.geometry(window)


def answer_won(game, play_again):
    """Clicks the won window's left (play again) or right (leave) picture button."""
    x, y, _, _ = won_window(game)
    game.click_at(x + (64 if play_again else 304), y + 144)


def play_board(game, board, check_pictures, background=SAVANNA_COLOUR):
    """Finds every pair of the board, G cell then D cell; checks the pictures on the way."""
    pairs = pairs_of(board)
    check(pairs, "a board without pairs")
    found = []
    for index, (g, d) in enumerate(pairs):
        game.press(*g)
        if check_pictures and index == 0:
            colour = sprite_colour(board[g[0]][g[1]][0])
            game.wait_screen("the first sprite shown centred in its cell",
                             lambda shot: sprite_shown(game, shot, *g, colour, background))
        game.press(*d)
        found += [g, d]
        last = index == len(pairs) - 1
        if check_pictures and not last:
            def all_found(shot):
                return all(sprite_shown(game, shot, r, c, sprite_colour(board[r][c][0]),
                                        background) for r, c in found)
            game.wait_screen("the found pairs to stay shown", all_found)
    return pairs


# The cases --------------------------------------------------------------------------------

def case_whole_game(binary, folder):
    """Two games won in a row: play again, then leave; the settings are written beside the
    program."""
    game = Game(binary, folder)
    try:
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
    finally:
        game.stop()


def case_options(binary, folder):
    """The options dialog from the keyboard (polar, 3 animals) and with the mouse (no grid);
    closing with the menu's Quitter writes what was chosen."""
    game = Game(binary, folder)
    try:
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
    finally:
        game.stop()


def case_toolbar(binary, folder):
    """The toolbar's two environment buttons start new games in their environment."""
    game = Game(binary, folder)
    try:
        game.start()
        game.boards(1)
        x, y, _, _ = game.geometry(game.window)
        middle = y + game.menu_height + TOOLBAR_HEIGHT // 2
        for count, (left, folder_name, colour) in enumerate(
                ((232, "./Polaire/", POLAR_COLOUR), (157, "./Savane/", SAVANNA_COLOUR)), 2):
            game.click_at(x + left + 37, middle)
            board = game.boards(count)[-1]
            check(all(board[g[0]][g[1]][0].startswith(folder_name) for g, _ in pairs_of(board)),
                  f"the new board is not in {folder_name}")
            game.wait_screen(f"the background of {folder_name}",
                             lambda s: cell_hidden(game, s, 0, 0, colour))
        game.close_request()
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "0", f"settings: {settings}")
    finally:
        game.stop()


def case_close_box(binary, folder):
    """A close request ends the program even without any sound device (the leaving sound
    is silence), and the first close writes the whole settings file."""
    game = Game(binary, folder)
    try:
        game.start(audio="nosuchdevice")
        game.boards(1)
        game.close_request()
        game.expect_clean_exit()
        with open(game.settings_path) as f:
            text = f.read()
        expected = ("[Jeu]\nTypeJeu=0\n[MaxAnim]\nSavane=5\nPolaire=5\n[Cases]\nDess=1\n"
                    "[Environ]\nDess=1\nBruitage=1\n[Form]\nInitMax=0\n[Image]\nChoix=0\n")
        check(text.replace("\r\n", "\n") == expected, "settings file:\n" + text)
    finally:
        game.stop()


def case_missing_backgrounds(binary, folder):
    """No background at all: "Pas d'image" at start-up; the program stays and closes."""
    game = Game(binary, folder)
    try:
        for name in CATALOGUE["backgrounds"][SAVANNA]:
            os.remove(os.path.join(folder, name))
        game.start(measure=False)
        game.dismiss("Erreur")
        game.close_request()
        game.expect_clean_exit()
    finally:
        game.stop()


def case_missing_bird(binary, folder):
    """No resting bird and a start-up sound that is no sound: an error box when the first
    game draws the bird, and no other for that game; the window plays and closes."""
    game = Game(binary, folder)
    try:
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
    finally:
        game.stop()


def case_extreme_settings(binary, folder):
    """Settings at the ends of their ranges: an unknown environment is reported, then the
    polar button starts a full board of ten animals, which is won."""
    content = (b"[Jeu]\nTypeJeu=-2147483648\n[MaxAnim]\n0=-5\n1=2147483647\n"
               b"[Cases]\nDess=-1\n[Environ]\nDess=0\nBruitage=0\n[Image]\nChoix=7\n")
    game = Game(binary, folder, settings=content)
    try:
        game.start(measure=False)
        game.dismiss("Erreur")
        window = game.find_window("^Kornibelle$", size_at_least=(200, 100))
        x, y, _, _ = game.geometry(window)
        check(read_boards(game.trace) == [], "an unknown environment set up a board")
        game.window = window
        # The toolbar lies below the menu bar, whose height is not known before a board is:
        # tried downwards from the menu bar until the polar button answers.
        for menu in range(10, 40):
            game.click_at(x + 232 + 37, y + menu + TOOLBAR_HEIGHT // 2)
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
    finally:
        game.stop()


def case_terminate(binary, folder):
    """SIGTERM then SIGHUP, as a session's end sends them, once sounds played and while the options
    dialog is open: the dialog and the window close as by their close boxes, the settings
    are written, and the program ends by the signal it handled first."""
    game = Game(binary, folder, settings=b"[Jeu]\nTypeJeu=0\n")
    try:
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
        check(settings.get("maxanim") == {"savane": "5", "polaire": "5"}, f"settings: {settings}")
        check(settings.get("image", {}).get("choix") == "0", f"settings: {settings}")
    finally:
        game.stop()


def case_child_at_the_keyboard(binary, folder):
    """A child pressing anywhere, double-clicking, dragging and hitting keys: the program
    stays, and once the dialogs that opened are closed it closes normally."""
    chance = random.Random(20261207)
    game = Game(binary, folder)
    try:
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
    finally:
        game.stop()


def grid_lines(game):
    """Every pixel of the grid on the screen: the lines at each multiple of the cell size
    inside the paint box, none on its outer edges."""
    x0, y0, width, height = game.box
    for x in range(game.cell_width, width, game.cell_width):
        for y in range(height):
            yield x0 + x, y0 + y
    for y in range(game.cell_height, height, game.cell_height):
        for x in range(width):
            yield x0 + x, y0 + y


def grid_whole(game, shot):
    return all(shot(x, y) == WHITE for x, y in grid_lines(game))


def bird_resting_at(shot, x, y):
    """The resting bird's coloured body on the point, the wider flight frame's gone."""
    return (shot(x, y) == BIRD_COLOUR and shot(x - 8, y) != BIRD_COLOUR
            and shot(x + 8, y) != BIRD_COLOUR)


def case_bird_at_the_pointer(binary, folder):
    """The bird is the child's pointer: sitting on the grid lines, then moved on, it leaves
    them whole; after a click without a move it is where the pointer is; once the pointer
    has left the window no bird is left on the board."""
    game = Game(binary, folder)
    try:
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
    finally:
        game.stop()


def keys_between(start, end):
    """The arrow keys that take the bird from one cell to another."""
    (r0, c0), (r1, c1) = start, end
    return (["Down" if r1 > r0 else "Up"] * abs(r1 - r0)
            + ["Right" if c1 > c0 else "Left"] * abs(c1 - c0))


def case_keyboard_alone(binary, folder):
    """Two games won with the keyboard alone, the pointer outside the window: the arrows take
    the bird to each cell, Space and Return press there; the won window plays again on Return
    and leaves on Escape. The pointer never moves."""
    game = Game(binary, folder, settings=b"[MaxAnim]\nSavane=2\n")
    try:
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
            game.keys_to(bravo, "Escape" if leave else "Return")
        check(game.wait_exit() == 0, "exit status:\n" + game.output())
        location = game.xdotool("getmouselocation", output=True)
        check(f"x:{SCREEN_WIDTH - 5} y:{SCREEN_HEIGHT - 5}" in location,
              f"the pointer moved: {location}")
    finally:
        game.stop()


def case_hand_edits(binary, folder):
    """A settings file written by hand (comments, blank lines, a section of one's own, 8-bit
    text, CRLF): after a game, every byte of it is still there; the missing keys are added
    where they belong, in its own line ends."""
    written = (b"; R\xe9glages de Kornibelle, \xe9crits \xe0 la main\r\n\r\n[Jeu]\r\n"
               b"TypeJeu = 0\r\n\r\n; deux paires pour aller vite\r\n[MaxAnim]\r\nSavane=2\r\n"
               b"[Perso]\r\nNote=\xe9l\xe9phant\r\nune ligne sans \xe9gal\r\n")
    game = Game(binary, folder, settings=written)
    try:
        game.start()
        board = game.boards(1)[0]
        check(len(pairs_of(board)) == 2, "the hand-written count was not read")
        play_board(game, board, check_pictures=False)
        answer_won(game, play_again=False)
        check(game.wait_exit() == 0, "exit status:\n" + game.output())
        with open(game.settings_path, "rb") as f:
            content = f.read()
        expected = written.replace(b"Savane=2\r\n", b"Savane=2\r\nPolaire=5\r\n") + (
            b"[Cases]\r\nDess=1\r\n[Environ]\r\nDess=1\r\nBruitage=1\r\n[Form]\r\n"
            b"InitMax=0\r\n[Image]\r\nChoix=0\r\n")
        check(content == expected, f"settings file:\n{content!r}\ninstead of\n{expected!r}")
    finally:
        game.stop()


def garbage_settings():
    noise = bytes((i * 7919 + 13) % 256 for i in range(4096))
    return (noise + b"\n[Jeu]\nTypeJeu=\x00\x01\n" + b"x" * 1_000_000 + b"\n[Cases\nDess=\xff\xfe\n"
            + b"[Environ]\n" + b"Dess=" + b"9" * 5000 + b"\n\x00\x00\x00")


def case_garbage_settings(binary, folder):
    """A settings file of random bytes, a huge line and NULs: the defaults, a playable
    game, and a sound file after closing."""
    game = Game(binary, folder, settings=garbage_settings())
    try:
        game.start()
        board = game.boards(1)[0]
        g, d = pairs_of(board)[0]
        game.press(*g)
        game.press(*d)
        game.wait_screen("the pair shown", lambda s: sprite_shown(
            game, s, *d, sprite_colour(board[d[0]][d[1]][0]), SAVANNA_COLOUR))
        game.close_request()
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "0" and settings["cases"]["dess"] == "1",
              f"settings: {settings}")
    finally:
        game.stop()


def case_read_only_settings(binary, folder):
    """A read-only settings file is read and left as it was; the settings go to the
    user's own file."""
    content = b"[Jeu]\nTypeJeu=1\n[Cases]\nDess=0\n"
    game = Game(binary, folder, settings=content)
    try:
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
    finally:
        game.stop()


def case_read_only_folder(binary, folder):
    """A user who may not write in the game's folder: the trace and the settings go to the
    user's own folders, and the game plays and closes as usual."""
    if os.geteuid() != 0 or shutil.which("setpriv") is None:
        print("needs root and setpriv to play as another user: skipped")
        sys.exit(SKIP)
    nobody = 65534
    game = Game(binary, folder)
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
        board = game.boards(1)[0]
        g, d = pairs_of(board)[0]
        game.press(*g)
        game.press(*d)
        game.wait_screen("the pair shown", lambda s: sprite_shown(
            game, s, *d, sprite_colour(board[d[0]][d[1]][0]), SAVANNA_COLOUR))
        check(not os.path.exists(os.path.join(folder, "espion.log")), "a trace in the folder")
        game.settings_path = os.path.join(game.home, "config", "kornibelle", "kornibelle.INI")
        game.close_request()
        settings = game.expect_clean_exit()
        check(settings["jeu"]["typejeu"] == "0", f"settings: {settings}")
        check(not os.path.exists(os.path.join(folder, "kornibelle.INI")), "settings in the folder")
    finally:
        os.chmod(folder, 0o755)
        game.stop()


def case_no_trace(binary, folder):
    """The trace cannot be created (a folder stands in its place): the game is still
    played."""
    game = Game(binary, folder)
    try:
        os.mkdir(game.trace)
        game.start()
        colours = {sprite_colour(name) for name in
                   animal_files(SAVANNA, "sprite") + animal_files(SAVANNA, "mirror")}
        # Eleven cells hold at least one animal; the last one revealed stays shown.
        cells = [divmod(index, 5) for index in range(11)]
        for cell in cells:
            game.press(*cell)

        def revealed(shot):
            return any(shot(x - SPRITE_WIDTH // 2 + SPRITE_MARGIN, y) in colours
                       for x, y in (game.centre(*cell) for cell in cells))
        game.wait_screen("a sprite revealed", revealed)
        game.close_request()
        game.expect_clean_exit()
    finally:
        game.stop()


def case_broken_files(binary, folder):
    """A sprite one byte long, a photograph that is no picture, an empty bird frame and
    empty cries: error boxes where pictures fail, play goes on, closing is normal."""
    game = Game(binary, folder)
    try:
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
    finally:
        game.stop()


CASES = {name[5:]: function for name, function in globals().items()
         if name.startswith("case_")}


def main(cases=None, tools=("Xvfb", "xdotool", "import", "convert"), doc=__doc__,
         missing=None):
    """Runs the case named on the command line; missing(binary), when given, names what the
    cases lack, if anything."""
    cases = cases or CASES
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--manifest", required=True, help="the catalogue of the game's files")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    parser.add_argument("case", choices=sorted(cases))
    arguments = parser.parse_args()
    binary = os.path.abspath(arguments.binary)
    load_catalogue(arguments.manifest)
    lacking = [f"{tool} is missing" for tool in tools if shutil.which(tool) is None]
    if missing:
        lacking.append(missing(binary))
    lacking = [reason for reason in lacking if reason]
    if lacking:
        print(f"{lacking[0]}: skipped")
        return SKIP
    folder = tempfile.mkdtemp(prefix="kornibelle-e2e-")
    try:
        cases[arguments.case](binary, folder)
    except Failure as failure:
        traceback.print_exc()
        print(f"FAILED: {failure}\n(folder {folder})")
        return 1
    finally:
        if not arguments.keep:
            shutil.rmtree(folder, ignore_errors=True)
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
