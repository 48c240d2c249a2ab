// SPDX-License-Identifier: MIT
#include "Animals.h"

#include <algorithm>
#include <array>

namespace {

// Authors of the collection's files, after its changelog.
constexpr const char* kChildsplay =
    "from Childsplay, © 2002-2005 Stas Zytkiewicz, prepared by Pere Pujal i Carabantes";
constexpr const char* kPujal = "by Pere Pujal i Carabantes";
constexpr const char* kStampsAuthors = "© Bill Kendrick and the collection's contributors";

// The stump the fox stands on, and the root under its hind paw.
constexpr std::array kFoxStump{QPoint(0, 121),   QPoint(78, 121),  QPoint(78, 148),
                               QPoint(104, 161), QPoint(106, 171), QPoint(125, 171),
                               QPoint(126, 180), QPoint(0, 180)};

// What the collection offers. Nothing for the wolf, crocodile, snake or walrus; the giraffe's
// and the iguana's recordings are silent. It has no moose, seal or polar bear: a stag, a sea lion
// and a brown bear take their cells, named as what they are, as the iguana does for the lizard,
// a toucan for the bird, a chimpanzee for the monkey and a caribou (the same species) for the
// reindeer.
constexpr RealAnimal kNothing{};
constexpr RealAnimal kTiger{"animals/mammals/cats/tiger.png", "Le tigre", kChildsplay,
                            "animals/mammals/cats/tiger.ogg", kChildsplay};
constexpr RealAnimal kZebra{"animals/mammals/equines/zebra.png", "Le zèbre", kChildsplay,
                            "animals/mammals/equines/zebra.ogg", kChildsplay};
constexpr RealAnimal kChimpanzee{"animals/mammals/apes/chimp.png", "Le chimpanzé", kChildsplay,
                                 "animals/mammals/apes/chimp.ogg", kChildsplay};
constexpr RealAnimal kIguana{"animals/lizards/iguana.png", "L'iguane", kChildsplay};
constexpr RealAnimal kElephant{"animals/mammals/elephant.png", "L'éléphant", kChildsplay,
                               "animals/mammals/elephant.ogg", kChildsplay};
constexpr RealAnimal kLion{"animals/mammals/cats/lion-2.png", "Le lion", kStampsAuthors,
                           "animals/mammals/cats/lion.ogg", kChildsplay};
constexpr RealAnimal kToucan{"animals/birds/tucan.png", "Le toucan", kChildsplay,
                             "animals/birds/tucan.ogg", kChildsplay};
constexpr RealAnimal kGorilla{"animals/mammals/apes/gorilla.png", "Le gorille", kChildsplay,
                              "animals/mammals/apes/gorilla.ogg", kChildsplay};
constexpr RealAnimal kGiraffe{"animals/mammals/giraffe.png", "La girafe", kChildsplay};
constexpr RealAnimal kPenguin{"animals/birds/penguin.png", "Le manchot", kChildsplay,
                              "animals/birds/penguin.ogg", kChildsplay};
constexpr RealAnimal kBrownBear{"animals/mammals/bears/european-bear.png", "L'ours brun", kPujal,
                                "animals/mammals/bears/bear.ogg", kChildsplay};
constexpr RealAnimal kSeaLion{"animals/mammals/aquatic/sea_lion.png", "L'otarie", kChildsplay,
                              "animals/mammals/aquatic/sea_lion.ogg", kChildsplay};
constexpr RealAnimal kFox{"animals/mammals/dogs/fox.png", "Le renard", kChildsplay,
                          "animals/mammals/dogs/fox.ogg", kChildsplay, kFoxStump};
constexpr RealAnimal kGander{"animals/birds/gander.png", "L'oie", kChildsplay,
                             "animals/birds/gander.ogg", kChildsplay};
constexpr RealAnimal kRabbit{"animals/mammals/rodents/rabbit.png", "Le lapin", kChildsplay,
                             "animals/mammals/rodents/rabbit.ogg", kChildsplay};
constexpr RealAnimal kDeer{"animals/mammals/deer/deer.png", "Le cerf", kChildsplay,
                           "animals/mammals/deer/deer.ogg", kChildsplay};
constexpr RealAnimal kCaribou{"animals/mammals/deer/caribou.png", "Le renne", kChildsplay,
                              "animals/mammals/deer/caribou.ogg", kChildsplay};

constexpr std::array kSavanna{
    Animal{Espece::Tigre, "tiger", Look::AsDrawn, "Le tigre", Cry::Tiger, kTiger},
    Animal{Espece::Loup, "wolf", Look::AsDrawn, "Le loup", Cry::Wolf, kNothing},
    Animal{Espece::Zebre, "zebra", Look::AsDrawn, "Le zèbre", Cry::Zebra, kZebra},
    Animal{Espece::Singe, "monkey", Look::AsDrawn, "Le singe", Cry::Monkey, kChimpanzee},
    Animal{Espece::Lezard, "lizard", Look::AsDrawn, "Le lézard", Cry::Lizard, kIguana},
    Animal{Espece::Crocodile, "crocodile", Look::Lying, "Le crocodile", Cry::Crocodile, kNothing},
    Animal{Espece::Elephant, "elephant", Look::AsDrawn, "L'éléphant", Cry::Elephant, kElephant},
    Animal{Espece::Lion, "lion", Look::AsDrawn, "Le lion", Cry::Lion, kLion},
    Animal{Espece::Oiseau, "parrot", Look::AsDrawn, "Le perroquet", Cry::Parrot, kToucan},
    Animal{Espece::Serpent, "snake", Look::AsDrawn, "Le serpent", Cry::Snake, kNothing},
    Animal{Espece::SecondSinge, "gorilla", Look::AsDrawn, "Le gorille", Cry::Gorilla, kGorilla},
    Animal{Espece::Girafe, "giraffe", Look::AsDrawn, "La girafe", Cry::Giraffe, kGiraffe},
};
constexpr std::array kPolar{
    Animal{Espece::Manchot, "penguin", Look::AsDrawn, "Le manchot", Cry::Penguin, kPenguin},
    Animal{Espece::Morse, "seal", Look::Walrus, "Le morse", Cry::Walrus, kNothing},
    Animal{Espece::Ours, "polar-bear", Look::AsDrawn, "L'ours blanc", Cry::PolarBear, kBrownBear},
    Animal{Espece::Phoque, "seal", Look::AsDrawn, "Le phoque", Cry::Seal, kSeaLion},
    Animal{Espece::Renard, "fox", Look::AsDrawn, "Le renard", Cry::Fox, kFox},
    Animal{Espece::Oie, "goose", Look::AsDrawn, "L'oie", Cry::Goose, kGander},
    Animal{Espece::LoupPolaire, "wolf", Look::Snowy, "Le loup", Cry::ArcticWolf, kNothing},
    Animal{Espece::Lapin, "rabbit", Look::AsDrawn, "Le lapin", Cry::Rabbit, kRabbit},
    Animal{Espece::Elan, "moose", Look::AsDrawn, "L'élan", Cry::Moose, kDeer},
    Animal{Espece::Renne, "deer", Look::Reindeer, "Le renne", Cry::Reindeer, kCaribou},
};
// Each recipe row is for the catalogue's row of its species: a row moved in one table and not in
// the other would give one animal's pictures another's files.
constexpr bool inCatalogueOrder(std::span<const Animal> recipe,
                                std::span<const FicheAnimal> catalogue) {
    return std::ranges::equal(recipe, catalogue, {}, &Animal::species, &FicheAnimal::espece);
}
static_assert(inCatalogueOrder(kSavanna, kAnimauxSavane) &&
              inCatalogueOrder(kPolar, kAnimauxPolaire));

} // namespace

std::span<const Animal> animals(Environment environment) {
    if (environment == Environment::Savanna) {
        return kSavanna;
    }
    return kPolar;
}
