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
constexpr const char* kMudchute = "by Caroline Ford, at Mudchute Park and Farm, England";

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
constexpr RealAnimal kTiger{"animals/mammals/cats/tiger.png", "Un tigre", kChildsplay,
                            "animals/mammals/cats/tiger.ogg", kChildsplay};
constexpr RealAnimal kZebra{"animals/mammals/equines/zebra.png", "Un zèbre", kChildsplay,
                            "animals/mammals/equines/zebra.ogg", kChildsplay};
constexpr RealAnimal kChimpanzee{"animals/mammals/apes/chimp.png", "Un chimpanzé", kChildsplay,
                                 "animals/mammals/apes/chimp.ogg", kChildsplay};
constexpr RealAnimal kIguana{"animals/lizards/iguana.png", "Un iguane", kChildsplay};
constexpr RealAnimal kElephant{"animals/mammals/elephant.png", "Un éléphant", kChildsplay,
                               "animals/mammals/elephant.ogg", kChildsplay};
constexpr RealAnimal kLion{"animals/mammals/cats/lion-2.png", "Un lion", kStampsAuthors,
                           "animals/mammals/cats/lion.ogg", kChildsplay};
constexpr RealAnimal kToucan{"animals/birds/tucan.png", "Un toucan", kChildsplay,
                             "animals/birds/tucan.ogg", kChildsplay};
constexpr RealAnimal kGorilla{"animals/mammals/apes/gorilla.png", "Un gorille", kChildsplay,
                              "animals/mammals/apes/gorilla.ogg", kChildsplay};
constexpr RealAnimal kGiraffe{"animals/mammals/giraffe.png", "Une girafe", kChildsplay};
constexpr RealAnimal kPenguin{"animals/birds/penguin.png", "Un manchot", kChildsplay,
                              "animals/birds/penguin.ogg", kChildsplay};
constexpr RealAnimal kBrownBear{"animals/mammals/bears/european-bear.png", "Un ours brun", kPujal,
                                "animals/mammals/bears/bear.ogg", kChildsplay};
constexpr RealAnimal kSeaLion{"animals/mammals/aquatic/sea_lion.png", "Une otarie", kChildsplay,
                              "animals/mammals/aquatic/sea_lion.ogg", kChildsplay};
constexpr RealAnimal kFox{"animals/mammals/dogs/fox.png", "Un renard", kChildsplay,
                          "animals/mammals/dogs/fox.ogg", kChildsplay, kFoxStump};
constexpr RealAnimal kGander{"animals/birds/gander.png", "Une oie", kChildsplay,
                             "animals/birds/gander.ogg", kChildsplay};
constexpr RealAnimal kRabbit{"animals/mammals/rodents/rabbit.png", "Un lapin", kChildsplay,
                             "animals/mammals/rodents/rabbit.ogg", kChildsplay};
constexpr RealAnimal kDeer{"animals/mammals/deer/deer.png", "Un cerf", kChildsplay,
                           "animals/mammals/deer/deer.ogg", kChildsplay};
constexpr RealAnimal kCaribou{"animals/mammals/deer/caribou.png", "Un renne", kChildsplay,
                              "animals/mammals/deer/caribou.ogg", kChildsplay};

// The farm: everything real, each caption what the collection's French voice says. Its bull
// would stand beside the cow as the same animal to a child, and its donkey beside the horse (both
// brown, side on, the same size in a cell): both are left out.
constexpr RealAnimal kCow{"animals/mammals/bovines/cow.png", "Une vache", kChildsplay,
                          "animals/mammals/bovines/cow.ogg", kChildsplay};
constexpr RealAnimal kSheep{"animals/mammals/bovines/sheep.png", "Un mouton", kMudchute,
                            "animals/mammals/bovines/sheep.ogg", kMudchute};
constexpr RealAnimal kGoat{"animals/mammals/bovines/goat.png", "Une chèvre", kChildsplay,
                           "animals/mammals/bovines/goat.ogg", kChildsplay};
constexpr RealAnimal kHorse{"animals/mammals/equines/horse.png", "Un cheval", kChildsplay,
                            "animals/mammals/equines/horse.ogg", kChildsplay};
constexpr RealAnimal kPig{"animals/mammals/pig.png", "Un cochon", kChildsplay,
                          "animals/mammals/pig.ogg", kChildsplay};
constexpr RealAnimal kDog{"animals/mammals/dogs/dog.png", "Un chien", kChildsplay,
                          "animals/mammals/dogs/dog.ogg", kChildsplay};
constexpr RealAnimal kMouse{"animals/mammals/rodents/mouse.png", "Une souris", kChildsplay,
                            "animals/mammals/rodents/mouse.ogg", kChildsplay};
constexpr RealAnimal kHen{"animals/birds/hen.png", "Une poule marron", kChildsplay,
                          "animals/birds/hen.ogg", kMudchute};
// « Un coq multicolore. »: cut at the pause after « Un coq ».
constexpr RealAnimal kRooster{.photograph = "animals/birds/rooster.png",
                              .caption = "Un coq",
                              .photographBy = kChildsplay,
                              .recording = "animals/birds/rooster.ogg",
                              .recordingBy = kChildsplay,
                              .nameEndsSeconds = 0.52};
constexpr RealAnimal kDuck{"animals/birds/duck.png", "Un canard", kChildsplay,
                           "animals/birds/duck.ogg", kChildsplay};
constexpr RealAnimal kTurkey{"animals/birds/turkey.png", "Un dindon", kChildsplay,
                             "animals/birds/turkey.ogg", kChildsplay};

constexpr std::array kSavanna{
    Animal{Espece::Tigre, "tiger", Look::AsDrawn, "Un tigre", Cry::Tiger, kTiger},
    Animal{Espece::Loup, "wolf", Look::AsDrawn, "Un loup", Cry::Wolf, kNothing},
    Animal{Espece::Zebre, "zebra", Look::AsDrawn, "Un zèbre", Cry::Zebra, kZebra},
    Animal{Espece::Singe, "monkey", Look::AsDrawn, "Un singe", Cry::Monkey, kChimpanzee},
    Animal{Espece::Lezard, "lizard", Look::AsDrawn, "Un lézard", Cry::Lizard, kIguana},
    // Fluent's crocodile stands up; Noto's first one lies flat in profile, as children draw one.
    Animal{Espece::Crocodile, "crocodile", Look::AsDrawn, "Un crocodile", Cry::Crocodile, kNothing,
           EmojiSet::Noto},
    Animal{Espece::Elephant, "elephant", Look::AsDrawn, "Un éléphant", Cry::Elephant, kElephant},
    Animal{Espece::Lion, "lion", Look::AsDrawn, "Un lion", Cry::Lion, kLion},
    Animal{Espece::Oiseau, "parrot", Look::AsDrawn, "Un perroquet", Cry::Parrot, kToucan},
    Animal{Espece::Serpent, "snake", Look::AsDrawn, "Un serpent", Cry::Snake, kNothing},
    Animal{Espece::SecondSinge, "gorilla", Look::AsDrawn, "Un gorille", Cry::Gorilla, kGorilla},
    Animal{Espece::Girafe, "giraffe", Look::AsDrawn, "Une girafe", Cry::Giraffe, kGiraffe},
};
constexpr std::array kPolar{
    Animal{Espece::Manchot, "penguin", Look::AsDrawn, "Un manchot", Cry::Penguin, kPenguin},
    Animal{Espece::Morse, "seal", Look::Walrus, "Un morse", Cry::Walrus, kNothing},
    Animal{Espece::Ours, "polar-bear", Look::AsDrawn, "Un ours blanc", Cry::PolarBear, kBrownBear},
    Animal{Espece::Phoque, "seal", Look::AsDrawn, "Un phoque", Cry::Seal, kSeaLion},
    Animal{Espece::Renard, "fox", Look::AsDrawn, "Un renard", Cry::Fox, kFox},
    Animal{Espece::Oie, "goose", Look::AsDrawn, "Une oie", Cry::Goose, kGander},
    Animal{Espece::LoupPolaire, "wolf", Look::Snowy, "Un loup", Cry::ArcticWolf, kNothing},
    Animal{Espece::Lapin, "rabbit", Look::AsDrawn, "Un lapin", Cry::Rabbit, kRabbit},
    Animal{Espece::Elan, "moose", Look::AsDrawn, "Un élan", Cry::Moose, kDeer},
    Animal{Espece::Renne, "deer", Look::Reindeer, "Un renne", Cry::Reindeer, kCaribou},
};
constexpr std::array kFarm{
    Animal{Espece::Vache, "cow", Look::AsDrawn, "Une vache", Cry::Cow, kCow},
    Animal{Espece::Mouton, "ewe", Look::AsDrawn, "Un mouton", Cry::Sheep, kSheep},
    Animal{Espece::Chevre, "goat", Look::AsDrawn, "Une chèvre", Cry::Goat, kGoat},
    Animal{Espece::Cheval, "horse", Look::AsDrawn, "Un cheval", Cry::Horse, kHorse},
    Animal{Espece::Cochon, "pig", Look::AsDrawn, "Un cochon", Cry::Pig, kPig},
    Animal{Espece::Chien, "dog", Look::AsDrawn, "Un chien", Cry::Dog, kDog},
    Animal{Espece::Souris, "mouse", Look::AsDrawn, "Une souris", Cry::Mouse, kMouse},
    Animal{Espece::Poule, "chicken", Look::AsDrawn, "Une poule", Cry::Hen, kHen},
    Animal{Espece::Coq, "rooster", Look::AsDrawn, "Un coq", Cry::Rooster, kRooster},
    Animal{Espece::Canard, "duck", Look::AsDrawn, "Un canard", Cry::Duck, kDuck},
    Animal{Espece::Dindon, "turkey", Look::AsDrawn, "Un dindon", Cry::Turkey, kTurkey},
};
// Each recipe row is for the catalogue's row of its species: a row moved in one table and not in
// the other would give one animal's pictures another's files.
constexpr bool inCatalogueOrder(std::span<const Animal> recipe,
                                std::span<const FicheAnimal> catalogue) {
    return std::ranges::equal(recipe, catalogue, {}, &Animal::species, &FicheAnimal::espece);
}
static_assert(inCatalogueOrder(kSavanna, kAnimauxSavane) &&
                  inCatalogueOrder(kPolar, kAnimauxPolaire) &&
                  inCatalogueOrder(kFarm, kAnimauxFerme),
              "each environment's recipe must list the species of game/Catalogue.h's table, in "
              "its order: add, move or remove the recipe's row as the catalogue's was");

} // namespace

std::span<const Animal> animals(Environment environment) {
    switch (environment) {
    case Environment::Savanna:
        return kSavanna;
    case Environment::Polar:
        return kPolar;
    case Environment::Farm:
        break;
    }
    return kFarm;
}
