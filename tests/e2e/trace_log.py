# SPDX-License-Identifier: MIT
"""The trace the game writes of every board it sets up (espion.log), read back."""

from assets import BOARD
from harness import check


def read_boards(trace_path):
    """Every complete board dumped in the trace: a list of grids of the board's size, of
    (sprite, partner row, partner column, photograph)."""
    try:
        with open(trace_path, encoding="latin-1") as f:
            text = f.read()
    except FileNotFoundError:
        return []
    boards = []
    for block in text.split("Fin d'initialisation")[1:]:
        grid = [[None] * BOARD.columns for _ in range(BOARD.rows)]
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
    for r in range(BOARD.rows):
        for c in range(BOARD.columns):
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

