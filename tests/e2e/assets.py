# SPDX-License-Identifier: MIT
"""The small pictures and sounds the cases give the game, written under the names of its
catalogue (the manifest the build writes of it): backgrounds of one colour, sprites that are
a block of a colour of their own inside a transparent black margin, a yellow bird."""

import json
import os
import shutil
import struct
import subprocess
import types
import wave
import zlib

# Backgrounds small enough not to be reduced on the screen: the client area takes their size.
BACKGROUND_WIDTH, BACKGROUND_HEIGHT = 800, 600
SAVANNA_COLOUR = (150, 110, 60)
POLAR_COLOUR = (70, 110, 160)
FARM_COLOUR = (90, 150, 60)
# Sprites: a coloured block inside a black (transparent) margin.
SPRITE_WIDTH, SPRITE_HEIGHT, SPRITE_MARGIN = 64, 48, 8
BIRD_WIDTH, BIRD_HEIGHT = 16, 12
BIRD_COLOUR = (250, 220, 40)

SAVANNA, POLAR, FARM = 0, 1, 2
# The game's files, from the manifest the build writes of its catalogue (the runner loads it),
# and the sizes it gives: the board's rows, columns and toolbar_height, the flight frame's width
# and height.
CATALOGUE = {}
BOARD = types.SimpleNamespace()
FLIGHT_FRAME = types.SimpleNamespace()


def load_catalogue(path):
    with open(path) as f:
        CATALOGUE.update(json.load(f))
    vars(BOARD).update(CATALOGUE["board"])
    vars(FLIGHT_FRAME).update(CATALOGUE["flight_frame"])


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
    """The files of one kind ("sprite", "mirror", "photograph", "cry", "name") of an
    environment's animals, as the game names them."""
    return [animal[kind] for animal in CATALOGUE["animals"][environment]]


def write_pack(folder):
    """Every file the game reads: backgrounds, sprites, photographs, cries, names, bird, sounds."""
    for environment, colour in ((SAVANNA, SAVANNA_COLOUR), (POLAR, POLAR_COLOUR),
                                (FARM, FARM_COLOUR)):
        for name in CATALOGUE["backgrounds"][environment]:
            os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
            write_jpeg(os.path.join(folder, name), BACKGROUND_WIDTH, BACKGROUND_HEIGHT, colour)
    photo = os.path.join(folder, "photo.jpg")
    write_jpeg(photo, 160, 120, (200, 180, 90))
    for environment in (SAVANNA, POLAR, FARM):
        for name in animal_files(environment, "sprite") + animal_files(environment, "mirror"):
            write_sprite(os.path.join(folder, name), sprite_colour(name))
        for name in animal_files(environment, "photograph"):
            shutil.copyfile(photo, os.path.join(folder, name))
        for name in animal_files(environment, "cry") + animal_files(environment, "name"):
            write_wav(os.path.join(folder, name))
    os.remove(photo)
    bird = BIRD_COLOUR
    write_bmp(os.path.join(folder, CATALOGUE["resting_bird"]), BIRD_WIDTH, BIRD_HEIGHT,
              lambda x, y: bird if 2 <= x < BIRD_WIDTH - 2 and 2 <= y < BIRD_HEIGHT - 2 else (0, 0, 0))
    for name in set(CATALOGUE["flight"]):
        write_bmp(os.path.join(folder, name), FLIGHT_FRAME.width, FLIGHT_FRAME.height,
                  lambda x, y: bird if 40 <= x < 60 and 20 <= y < 32 else (0, 0, 0))
    for name in CATALOGUE["sounds"]:
        write_wav(os.path.join(folder, name))



def pack_of(binary):
    """The default pictures and sounds, laid out beside the built program."""
    return os.path.join(os.path.dirname(os.path.dirname(binary)), "share", "kornibelle")
