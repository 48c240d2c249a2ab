// SPDX-License-Identifier: MIT
#include "Animals.h"

#include <array>

namespace {

constexpr Environment S = Environment::Savanna;
constexpr Environment P = Environment::Polar;

const std::array kAnimals{
    Animal{S, "Savane/Tigre13G.bmp", "Savane/Tigre13D.bmp", "Savane/Tigre1.jpg",
           "Savane/Tigre_ou_cochon.wav", "tiger", Look::AsDrawn, "Le tigre", Cry::Tiger},
    Animal{S, "Savane/Loup11G.bmp", "Savane/Loup11D.bmp", "Savane/Loup1.jpg", "Savane/Loup.wav",
           "wolf", Look::AsDrawn, "Le loup", Cry::Wolf},
    Animal{S, "Savane/Zebre1g.bmp", "Savane/Zebre1d.bmp", "Savane/Zebres.jpg", "Savane/Zebres.wav",
           "zebra", Look::AsDrawn, "Le zèbre", Cry::Zebra},
    Animal{S, "Savane/Singe02g.bmp", "Savane/Singe02d.bmp", "Savane/Singe02.jpg",
           "Savane/Singe2.wav", "monkey", Look::AsDrawn, "Le singe", Cry::Monkey},
    Animal{S, "Savane/Lezard11G.bmp", "Savane/Lezard11D.bmp", "Savane/Lezard1.jpg",
           "Savane/Lezard.wav", "lizard", Look::AsDrawn, "Le lézard", Cry::Lizard},
    Animal{S, "Savane/Croco01G.bmp", "Savane/Croco01D.bmp", "Savane/Crocodile1.jpg",
           "Savane/Crocodile2.wav", "crocodile", Look::AsDrawn, "Le crocodile", Cry::Crocodile},
    Animal{S, "Savane/Elephant01G.bmp", "Savane/Elephant01D.bmp", "Savane/Elephant1.jpg",
           "Savane/Elephant.wav", "elephant", Look::AsDrawn, "L'éléphant", Cry::Elephant},
    Animal{S, "Savane/Lion01G.bmp", "Savane/Lion01D.bmp", "Savane/Lion1.jpg", "Savane/Lion.wav",
           "lion", Look::AsDrawn, "Le lion", Cry::Lion},
    Animal{S, "Savane/Oiseau3G.bmp", "Savane/Oiseau3D.bmp", "Savane/Oiseau1.jpg",
           "Savane/Oiseau1.wav", "parrot", Look::AsDrawn, "L'oiseau", Cry::Parrot},
    Animal{S, "Savane/Serpent01G.bmp", "Savane/Serpent01D.bmp", "Savane/Serpent01.jpg",
           "Savane/Serpent.wav", "snake", Look::AsDrawn, "Le serpent", Cry::Snake},
    Animal{S, "Savane/Singe03G.bmp", "Savane/Singe03D.bmp", "Savane/Singe03.jpg",
           "Savane/Singe3.wav", "gorilla", Look::AsDrawn, "Le gorille", Cry::Gorilla},
    Animal{S, "Savane/Girafe01G.bmp", "Savane/Girafe01D.bmp", "Savane/Girafe1.jpg",
           "Savane/Girafe.wav", "giraffe", Look::AsDrawn, "La girafe", Cry::Giraffe},

    Animal{P, "Polaire/Manchot02G.bmp", "Polaire/Manchot02D.bmp", "Polaire/Manchot02.jpg",
           "Polaire/Manchot02.wav", "penguin", Look::AsDrawn, "Le manchot", Cry::Penguin},
    Animal{P, "Polaire/Morse01G.bmp", "Polaire/Morse01D.bmp", "Polaire/Morse01.jpg",
           "Polaire/Morse01.wav", "seal", Look::Walrus, "Le morse", Cry::Walrus},
    Animal{P, "Polaire/Ours02G.bmp", "Polaire/Ours02D.bmp", "Polaire/Ours02.jpg",
           "Polaire/Ours02.wav", "polar-bear", Look::AsDrawn, "L'ours blanc", Cry::PolarBear},
    Animal{P, "Polaire/Phoque01G.bmp", "Polaire/Phoque01D.bmp", "Polaire/Phoque01.jpg",
           "Polaire/Phoque01.wav", "seal", Look::AsDrawn, "Le phoque", Cry::Seal},
    Animal{P, "Polaire/Renard01G.bmp", "Polaire/Renard01D.bmp", "Polaire/Renard1.jpg",
           "Polaire/Renard1.wav", "fox", Look::AsDrawn, "Le renard", Cry::Fox},
    Animal{P, "Polaire/Oie01G.bmp", "Polaire/Oie01D.bmp", "Polaire/Oie01.jpg", "Polaire/Oie01.wav",
           "goose", Look::AsDrawn, "L'oie", Cry::Goose},
    Animal{P, "Polaire/Loup02G.bmp", "Polaire/Loup02D.bmp", "Polaire/Loup2.jpg",
           "Polaire/Loup2.wav", "wolf", Look::Snowy, "Le loup", Cry::ArcticWolf},
    Animal{P, "Polaire/Lapin01G.bmp", "Polaire/Lapin01D.bmp", "Polaire/Lapin01.jpg",
           "Polaire/Lapin01.wav", "rabbit", Look::AsDrawn, "Le lapin", Cry::Rabbit},
    Animal{P, "Polaire/Elan01G.bmp", "Polaire/Elan01D.bmp", "Polaire/Elan01.jpg",
           "Polaire/Elan01.wav", "moose", Look::AsDrawn, "L'élan", Cry::Moose},
    Animal{P, "Polaire/Renne01G.bmp", "Polaire/Renne01D.bmp", "Polaire/Rennes.jpg",
           "Polaire/Rennes.wav", "deer", Look::Reindeer, "Le renne", Cry::Reindeer},
};

} // namespace

std::span<const Animal> animals() {
    return kAnimals;
}
