# SPDX-License-Identifier: MIT
"""The program driven as a person would, with xdotool: started in its own folder on its own X
server, its windows found and measured, cells pressed, menus opened, dialogs answered, its
settings file read back (what it shows is read by the predicates of shown). On a desktop, the
program's frames and cells as the window manager places them.

    with Game(binary, folder) as game:  # the program and its X server stopped on leaving
        game.start()
        ..."""

import os
import shutil
import subprocess
import time

from assets import (BACKGROUND_HEIGHT, BACKGROUND_WIDTH, BOARD, SAVANNA_COLOUR, pack_of,
                    sprite_colour, write_pack)
from harness import TIMEOUT, Failure, check, wait_for
from shown import measure_board, sprite_shown
from trace_log import pairs_of, read_boards
from xserver import SCREEN_HEIGHT, SCREEN_WIDTH, Rect, Screenshot, XServer, Xlib, die_with_parent

QUIET = 1.2  # the won window ignores its buttons and keys for a second after it appears


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

    def __enter__(self):
        return self

    def __exit__(self, *failure):
        self.stop()

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
        self.box = (x, y + self.menu_height + BOARD.toolbar_height, width,
                    BACKGROUND_HEIGHT - BOARD.toolbar_height)
        self.cell_width = BACKGROUND_WIDTH // BOARD.columns
        self.cell_height = (BACKGROUND_HEIGHT - BOARD.toolbar_height) // BOARD.rows

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


def won_window(game):
    window = game.find_window("^Bravo$", size_at_least=(300, 150))
    time.sleep(QUIET)
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


def keys_between(start, end):
    """The arrow keys that take the bird from one cell to another."""
    (r0, c0), (r1, c1) = start, end
    return (["Down" if r1 > r0 else "Up"] * abs(r1 - r0)
            + ["Right" if c1 > c0 else "Left"] * abs(c1 - c0))


# The program on a desktop ---------------------------------------------------------------

class DesktopGame(Game):
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
        self.cells = Rect(self.left, self.top, self.left + BOARD.columns * self.width,
                          self.top + BOARD.rows * self.height)
        return client

    def centre(self, row, column):
        return (self.left + column * self.width + self.width // 2,
                self.top + row * self.height + self.height // 2)

    def press(self, row, column):
        self.game.move(*self.centre(row, column))
        self.game.xdotool("click", 1)
