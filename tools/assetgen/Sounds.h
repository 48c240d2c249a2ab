// SPDX-License-Identifier: MIT
#pragma once

#include "Synth.h"

enum class Cry {
    Tiger,
    Wolf,
    Zebra,
    Monkey,
    Lizard,
    Crocodile,
    Elephant,
    Lion,
    Parrot,
    Snake,
    Gorilla,
    Giraffe,
    Penguin,
    Walrus,
    PolarBear,
    Seal,
    Fox,
    Goose,
    ArcticWolf,
    Rabbit,
    Moose,
    Reindeer,
};

enum class Jingle { Welcome, PairFound, Won, Goodbye };

// Finished sounds: peaks at -3 dBFS, faded in and out.
synth::Signal cry(Cry which);
synth::Signal jingle(Jingle which);
