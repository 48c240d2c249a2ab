// SPDX-License-Identifier: MIT
#pragma once

#include "Sounds.h"

#include <span>

enum class Environment { Savanna, Polar };

// Changes made to an emoji so that animals sharing a drawing stay apart.
enum class Look {
    AsDrawn,
    Snowy,    // a white-coated cousin
    Walrus,   // a brown seal with tusks and whiskers
    Reindeer, // a greyer deer with a red nose
};

struct Animal {
    Environment environment;
    const char* spriteG; // file names relative to the pack folder
    const char* spriteD;
    const char* photograph;
    const char* sound;
    const char* emoji; // drawing in the emoji set, without ".svg"
    Look look;
    const char* frenchName; // the caption of its photograph
    Cry cry;
};

std::span<const Animal> animals();
