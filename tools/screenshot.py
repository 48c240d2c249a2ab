#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Makes docs/screenshot.png: a game in progress with the default pictures, on its own X
server. Run after a build with the asset pack (scripts/build.sh).

    tools/screenshot.py [--build build] [--output docs/screenshot.png]"""

import argparse
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from assets import BOARD, load_catalogue  # noqa: E402
from game import Game  # noqa: E402
from harness import check  # noqa: E402
from trace_log import pairs_of  # noqa: E402


class PackGame(Game):
    """The program in a folder that links to the generated pack, whose backgrounds are 4:3."""

    def __init__(self, binary, folder, pack):
        super().__init__(binary, folder, pack=False)
        for name in os.listdir(pack):
            os.symlink(os.path.join(pack, name), os.path.join(folder, name))

    def measure(self):
        x, y, width, height = self.geometry(self.window)
        client_height = width * 3 // 4
        self.menu_height = height - client_height
        self.box = (x, y + self.menu_height + BOARD.toolbar_height, width,
                    client_height - BOARD.toolbar_height)
        self.cell_width = width // BOARD.columns
        self.cell_height = (client_height - BOARD.toolbar_height) // BOARD.rows


def play_a_little(game):
    """One pair found, a third animal just revealed, the bird resting beside it."""
    board = game.boards(1)[0]
    pairs = pairs_of(board)
    check(len(pairs) >= 2, "the default settings should place at least two pairs")
    (first, partner), (third, _) = pairs[0], pairs[1]
    game.press(*first)
    game.press(*partner)
    game.press(*third)
    x, y = game.centre(*third)
    game.move(x + game.cell_width // 3, y + game.cell_height // 3)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    parser.add_argument("--build", default=os.path.join(root, "build"))
    parser.add_argument("--output", default=os.path.join(root, "docs", "screenshot.png"))
    arguments = parser.parse_args()
    binary = os.path.join(arguments.build, "bin", "kornibelle")
    pack = os.path.join(arguments.build, "share", "kornibelle")
    load_catalogue(os.path.join(arguments.build, "catalogue.json"))
    with tempfile.TemporaryDirectory(prefix="kornibelle-shot-") as folder, PackGame(
            os.path.abspath(binary), folder, os.path.abspath(pack)) as game:
        game.start()
        play_a_little(game)
        viewer = game.find_window("^Environnement", size_at_least=(50, 50))
        vx, vy, vw, vh = game.geometry(viewer)
        gx, gy, gw, gh = game.geometry(game.window)
        # Let the bird land before the picture is taken.
        time.sleep(1.0)
        subprocess.run(["import", "-display", game.x.display, "-window", "root",
                        "-crop", f"{vx + vw - gx}x{max(gh, vy + vh) - gy}+{gx}+{gy}",
                        "+repage", arguments.output], check=True)
    print(arguments.output)


if __name__ == "__main__":
    main()
