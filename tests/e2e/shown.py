# SPDX-License-Identifier: MIT
"""What the program shows, read on screenshots: sprites, hidden cells, the grid, the bird, and
the cells measured from the grid drawn over the board. Each predicate takes the game for its
geometry (its paint box and cells) and a screenshot, and says whether the screen shows that."""

from assets import BIRD_COLOUR, BOARD, SPRITE_HEIGHT, SPRITE_MARGIN, SPRITE_WIDTH
from harness import check
from xserver import near

WHITE = (255, 255, 255)


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
    for c in range(1, BOARD.columns):
        for y in (y0 + 5, y0 + height // 2, y0 + height - 5):
            if shot(x0 + c * game.cell_width, y) != WHITE:
                return False
    for r in range(1, BOARD.rows):
        for x in (x0 + 5, x0 + width // 2 + 7, x0 + width - 5):
            if shot(x, y0 + r * game.cell_height) != WHITE:
                return False
    return True


def grid_is_absent(game, shot, background):
    x0, y0, width, height = game.box
    return all(near(shot(x0 + c * game.cell_width, y0 + height // 2 + 13), background)
               for c in range(1, BOARD.columns))


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
    check(len(rows) >= BOARD.rows - 1, f"{len(rows)} horizontal grid lines")
    height = rows[1] - rows[0]
    top = client.top + rows[0] - height
    ys = [top + height // 2 + r * height for r in range(BOARD.rows)]
    columns = white_runs([all(shot(x, y) == WHITE for y in ys)
                          for x in range(client.left, client.right)])
    check(len(columns) >= BOARD.columns - 1, f"{len(columns)} vertical grid lines")
    width = columns[1] - columns[0]
    left = client.left + columns[0] - width
    check(abs(left - client.left) <= 1, f"the board starts at {left}, the window at {client.left}")
    return left, top, width, height
