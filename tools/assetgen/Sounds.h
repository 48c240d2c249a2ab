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
    Cow,
    Sheep,
    Goat,
    Horse,
    Pig,
    Dog,
    Mouse,
    Hen,
    Rooster,
    Duck,
    Turkey,
};

enum class Jingle { Welcome, PairFound, Won, Goodbye };

// Finished sounds, faded in and out: a cry at the loudness all cries share, a jingle peaking at
// -3 dBFS.
synth::Signal cry(Cry which);
synth::Signal jingle(Jingle which);
