// SPDX-License-Identifier: MIT
#include "Animals.h"

#include <array>

namespace {

constexpr Environment S = Environment::Savanna;
constexpr Environment P = Environment::Polar;

// Authors of the collection's files, after its changelog.
constexpr const char* kChildsplay =
    "from Childsplay, © 2002-2005 Stas Zytkiewicz, prepared by Pere Pujal i Carabantes";
constexpr const char* kGoerner = "from the Australian stamps collection by Chris Goerner";
constexpr const char* kPujal = "by Pere Pujal i Carabantes";
constexpr const char* kStampsAuthors = "© Bill Kendrick and the collection's contributors";

// The stump the fox stands on, and the root under its hind paw.
constexpr std::array kFoxStump{QPoint(0, 121),   QPoint(78, 121),  QPoint(78, 148),
                               QPoint(104, 161), QPoint(106, 171), QPoint(125, 171),
                               QPoint(126, 180), QPoint(0, 180)};

// What the collection offers. Nothing for the wolf, crocodile, snake or walrus; the giraffe's
// and the iguana's recordings are silent, the lorikeet has none. It has no moose, seal or polar
// bear: a stag, a sea lion and a brown bear take their cells, named as what they are, as the
// iguana does for the lizard, a rainbow lorikeet for the parrot, a chimpanzee for the monkey and
// a caribou (the same species) for the reindeer.
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
constexpr RealAnimal kLorikeet{"animals/birds/rainbow-lorikeet.png", "Le perroquet", kGoerner};
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

const std::array kAnimals{
    Animal{S, "Savane/Tigre13G.bmp", "Savane/Tigre13D.bmp", "Savane/Tigre1.jpg",
           "Savane/Tigre_ou_cochon.wav", "tiger", Look::AsDrawn, "Le tigre", Cry::Tiger, kTiger},
    Animal{S, "Savane/Loup11G.bmp", "Savane/Loup11D.bmp", "Savane/Loup1.jpg", "Savane/Loup.wav",
           "wolf", Look::AsDrawn, "Le loup", Cry::Wolf, kNothing},
    Animal{S, "Savane/Zebre1g.bmp", "Savane/Zebre1d.bmp", "Savane/Zebres.jpg", "Savane/Zebres.wav",
           "zebra", Look::AsDrawn, "Le zèbre", Cry::Zebra, kZebra},
    Animal{S, "Savane/Singe02g.bmp", "Savane/Singe02d.bmp", "Savane/Singe02.jpg",
           "Savane/Singe2.wav", "monkey", Look::AsDrawn, "Le singe", Cry::Monkey, kChimpanzee},
    Animal{S, "Savane/Lezard11G.bmp", "Savane/Lezard11D.bmp", "Savane/Lezard1.jpg",
           "Savane/Lezard.wav", "lizard", Look::AsDrawn, "Le lézard", Cry::Lizard, kIguana},
    Animal{S, "Savane/Croco01G.bmp", "Savane/Croco01D.bmp", "Savane/Crocodile1.jpg",
           "Savane/Crocodile2.wav", "crocodile", Look::AsDrawn, "Le crocodile", Cry::Crocodile,
           kNothing},
    Animal{S, "Savane/Elephant01G.bmp", "Savane/Elephant01D.bmp", "Savane/Elephant1.jpg",
           "Savane/Elephant.wav", "elephant", Look::AsDrawn, "L'éléphant", Cry::Elephant,
           kElephant},
    Animal{S, "Savane/Lion01G.bmp", "Savane/Lion01D.bmp", "Savane/Lion1.jpg", "Savane/Lion.wav",
           "lion", Look::AsDrawn, "Le lion", Cry::Lion, kLion},
    Animal{S, "Savane/Oiseau3G.bmp", "Savane/Oiseau3D.bmp", "Savane/Oiseau1.jpg",
           "Savane/Oiseau1.wav", "parrot", Look::AsDrawn, "L'oiseau", Cry::Parrot, kLorikeet},
    Animal{S, "Savane/Serpent01G.bmp", "Savane/Serpent01D.bmp", "Savane/Serpent01.jpg",
           "Savane/Serpent.wav", "snake", Look::AsDrawn, "Le serpent", Cry::Snake, kNothing},
    Animal{S, "Savane/Singe03G.bmp", "Savane/Singe03D.bmp", "Savane/Singe03.jpg",
           "Savane/Singe3.wav", "gorilla", Look::AsDrawn, "Le gorille", Cry::Gorilla, kGorilla},
    Animal{S, "Savane/Girafe01G.bmp", "Savane/Girafe01D.bmp", "Savane/Girafe1.jpg",
           "Savane/Girafe.wav", "giraffe", Look::AsDrawn, "La girafe", Cry::Giraffe, kGiraffe},

    Animal{P, "Polaire/Manchot02G.bmp", "Polaire/Manchot02D.bmp", "Polaire/Manchot02.jpg",
           "Polaire/Manchot02.wav", "penguin", Look::AsDrawn, "Le manchot", Cry::Penguin, kPenguin},
    Animal{P, "Polaire/Morse01G.bmp", "Polaire/Morse01D.bmp", "Polaire/Morse01.jpg",
           "Polaire/Morse01.wav", "seal", Look::Walrus, "Le morse", Cry::Walrus, kNothing},
    Animal{P, "Polaire/Ours02G.bmp", "Polaire/Ours02D.bmp", "Polaire/Ours02.jpg",
           "Polaire/Ours02.wav", "polar-bear", Look::AsDrawn, "L'ours blanc", Cry::PolarBear,
           kBrownBear},
    Animal{P, "Polaire/Phoque01G.bmp", "Polaire/Phoque01D.bmp", "Polaire/Phoque01.jpg",
           "Polaire/Phoque01.wav", "seal", Look::AsDrawn, "Le phoque", Cry::Seal, kSeaLion},
    Animal{P, "Polaire/Renard01G.bmp", "Polaire/Renard01D.bmp", "Polaire/Renard1.jpg",
           "Polaire/Renard1.wav", "fox", Look::AsDrawn, "Le renard", Cry::Fox, kFox},
    Animal{P, "Polaire/Oie01G.bmp", "Polaire/Oie01D.bmp", "Polaire/Oie01.jpg", "Polaire/Oie01.wav",
           "goose", Look::AsDrawn, "L'oie", Cry::Goose, kGander},
    Animal{P, "Polaire/Loup02G.bmp", "Polaire/Loup02D.bmp", "Polaire/Loup2.jpg",
           "Polaire/Loup2.wav", "wolf", Look::Snowy, "Le loup", Cry::ArcticWolf, kNothing},
    Animal{P, "Polaire/Lapin01G.bmp", "Polaire/Lapin01D.bmp", "Polaire/Lapin01.jpg",
           "Polaire/Lapin01.wav", "rabbit", Look::AsDrawn, "Le lapin", Cry::Rabbit, kRabbit},
    Animal{P, "Polaire/Elan01G.bmp", "Polaire/Elan01D.bmp", "Polaire/Elan01.jpg",
           "Polaire/Elan01.wav", "moose", Look::AsDrawn, "L'élan", Cry::Moose, kDeer},
    Animal{P, "Polaire/Renne01G.bmp", "Polaire/Renne01D.bmp", "Polaire/Rennes.jpg",
           "Polaire/Rennes.wav", "deer", Look::Reindeer, "Le renne", Cry::Reindeer, kCaribou},
};

} // namespace

std::span<const Animal> animals() {
    return kAnimals;
}
