// SPDX-License-Identifier: MIT
#pragma once

#include "Sounds.h"

#include <QPoint>

#include <span>

enum class Environment { Savanna, Polar };

// Changes made to an emoji so that animals sharing a drawing stay apart.
enum class Look {
    AsDrawn,
    Snowy,    // a white-coated cousin
    Walrus,   // a brown seal with tusks and whiskers
    Reindeer, // a greyer deer with a red nose
};

// What the collection of real photographs and recordings holds for an animal: paths under the
// collection's folder, nullptr where it has nothing. The photograph's cut-out is the animal on the
// board too, so the caption names what it shows.
struct RealAnimal {
    const char* photograph = nullptr; // cut out on transparency
    const char* caption = nullptr;    // French name of what the photograph shows
    const char* photographBy = nullptr;
    const char* recording = nullptr; // Ogg Vorbis
    const char* recordingBy = nullptr;
    std::span<const QPoint> scenery = {}; // polygon, in the photograph's pixels, to cut away
};

struct Animal {
    Environment environment;
    const char* spriteG; // file names relative to the pack folder
    const char* spriteD;
    const char* photograph;
    const char* sound;
    const char* emoji; // drawing in the emoji set, without ".svg"
    Look look;
    const char* frenchName; // the caption of its drawn photograph
    Cry cry;
    RealAnimal real;
};

std::span<const Animal> animals();
