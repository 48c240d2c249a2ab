// SPDX-License-Identifier: MIT
#pragma once

#include "Sounds.h"
#include "game/Catalogue.h"

#include <QPoint>

#include <iterator>
#include <span>

// The game's environments, numbered as its catalogue (game/Catalogue.h) numbers them.
enum class Environment { Savanna, Polar, Farm };
inline constexpr Environment kEnvironments[] = {Environment::Savanna, Environment::Polar,
                                                Environment::Farm};
static_assert(std::size(kEnvironments) == kNbEnvironnements);

// Changes made to an emoji so that animals sharing a drawing stay apart.
enum class Look {
    AsDrawn,
    Snowy,    // a white-coated cousin
    Walrus,   // a brown seal with tusks and whiskers
    Reindeer, // a greyer deer with a red nose
};

// The emoji set an animal is drawn from.
enum class EmojiSet { Fluent, Noto };

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
    // Where the collection's spoken description is cut, at a pause, to say only the caption;
    // 0 keeps it whole.
    double nameEndsSeconds = 0.0;
};

// What the generator makes an animal of; its files are named by the game's catalogue, in the
// row of the same species.
struct Animal {
    Espece species;
    const char* emoji; // drawing in the emoji set: its file without ".svg", or its icon's name
    Look look;
    const char* frenchName; // the caption of its drawn photograph
    Cry cry;
    RealAnimal real;
    EmojiSet emojiSet = EmojiSet::Fluent;
};

// The animals of an environment, in the order of the catalogue's table of the same environment
// (checked when built: each names its row's species).
std::span<const Animal> animals(Environment environment);
