// SPDX-License-Identifier: MIT
// Every file the game reads, named relative to the folder it runs in, and the sizes they are made
// for, written here alone: the game reads these tables, the default pack's generator writes their
// files, and the build lists them for the end-to-end tests (tools/manifest). Plain data, without
// Qt.
#pragma once

#include <array>
#include <iterator>
#include <span>
#include <string>

// One animal's files, in the order of the letters of kLettresAnimal: its sprite 'G', the
// sprite's mirror image 'D', its photograph 'I', its cry 'S' and its spoken name 'N'.
using FichiersAnimal = std::array<const char*, 5>;
inline constexpr char kLettresAnimal[] = "GDISN";

// Who each row of the animal tables is: what other tables about the same animals (the default
// pack's recipe) name to be matched with their row.
enum class Espece {
    Tigre,
    Loup,
    Zebre,
    Singe,
    Lezard,
    Crocodile,
    Elephant,
    Lion,
    Oiseau,
    Serpent,
    SecondSinge,
    Girafe,
    Manchot,
    Morse,
    Ours,
    Phoque,
    Renard,
    Oie,
    LoupPolaire,
    Lapin,
    Elan,
    Renne,
    Vache,
    Mouton,
    Chevre,
    Cheval,
    Cochon,
    Chien,
    Souris,
    Poule,
    Coq,
    Canard,
    Dindon,
};

struct FicheAnimal {
    Espece espece;
    FichiersAnimal fichiers;
};

// The species' written name, as the game's voice says it (« Un tigre »); where the pack may show
// a cousin of the species (a toucan for the bird), the species' own name, which fits both.
const char* NomEspece(Espece espece);

inline constexpr FicheAnimal kAnimauxSavane[] = {
    {Espece::Tigre,
     {"./Savane/Tigre13G.bmp", "./Savane/Tigre13D.bmp", "./Savane/Tigre1.jpg",
      "./Savane/Tigre_ou_cochon.wav", "./Savane/Nom_Tigre.wav"}},
    {Espece::Loup,
     {"./Savane/Loup11G.bmp", "./Savane/Loup11D.bmp", "./Savane/Loup1.jpg", "./Savane/Loup.wav",
      "./Savane/Nom_Loup.wav"}},
    {Espece::Zebre,
     {"./Savane/Zebre1g.bmp", "./Savane/Zebre1d.bmp", "./Savane/Zebres.jpg", "./Savane/Zebres.wav",
      "./Savane/Nom_Zebre.wav"}},
    {Espece::Singe,
     {"./Savane/Singe02g.bmp", "./Savane/Singe02d.bmp", "./Savane/Singe02.jpg",
      "./Savane/Singe2.wav", "./Savane/Nom_Singe2.wav"}},
    {Espece::Lezard,
     {"./Savane/Lezard11G.bmp", "./Savane/Lezard11D.bmp", "./Savane/Lezard1.jpg",
      "./Savane/Lezard.wav", "./Savane/Nom_Lezard.wav"}},
    {Espece::Crocodile,
     {"./Savane/Croco01G.bmp", "./Savane/Croco01D.bmp", "./Savane/Crocodile1.jpg",
      "./Savane/Crocodile2.wav", "./Savane/Nom_Crocodile.wav"}},
    {Espece::Elephant,
     {"./Savane/Elephant01G.bmp", "./Savane/Elephant01D.bmp", "./Savane/Elephant1.jpg",
      "./Savane/Elephant.wav", "./Savane/Nom_Elephant.wav"}},
    {Espece::Lion,
     {"./Savane/Lion01G.bmp", "./Savane/Lion01D.bmp", "./Savane/Lion1.jpg", "./Savane/Lion.wav",
      "./Savane/Nom_Lion.wav"}},
    {Espece::Oiseau,
     {"./Savane/Oiseau3G.bmp", "./Savane/Oiseau3D.bmp", "./Savane/Oiseau1.jpg",
      "./Savane/Oiseau1.wav", "./Savane/Nom_Oiseau.wav"}},
    {Espece::Serpent,
     {"./Savane/Serpent01G.bmp", "./Savane/Serpent01D.bmp", "./Savane/Serpent01.jpg",
      "./Savane/Serpent.wav", "./Savane/Nom_Serpent.wav"}},
    {Espece::SecondSinge,
     {"./Savane/Singe03G.bmp", "./Savane/Singe03D.bmp", "./Savane/Singe03.jpg",
      "./Savane/Singe3.wav", "./Savane/Nom_Singe3.wav"}},
    {Espece::Girafe,
     {"./Savane/Girafe01G.bmp", "./Savane/Girafe01D.bmp", "./Savane/Girafe1.jpg",
      "./Savane/Girafe.wav", "./Savane/Nom_Girafe.wav"}},
};

inline constexpr FicheAnimal kAnimauxPolaire[] = {
    {Espece::Manchot,
     {"./Polaire/Manchot02G.bmp", "./Polaire/Manchot02D.bmp", "./Polaire/Manchot02.jpg",
      "./Polaire/Manchot02.wav", "./Polaire/Nom_Manchot.wav"}},
    {Espece::Morse,
     {"./Polaire/Morse01G.bmp", "./Polaire/Morse01D.bmp", "./Polaire/Morse01.jpg",
      "./Polaire/Morse01.wav", "./Polaire/Nom_Morse.wav"}},
    {Espece::Ours,
     {"./Polaire/Ours02G.bmp", "./Polaire/Ours02D.bmp", "./Polaire/Ours02.jpg",
      "./Polaire/Ours02.wav", "./Polaire/Nom_Ours.wav"}},
    {Espece::Phoque,
     {"./Polaire/Phoque01G.bmp", "./Polaire/Phoque01D.bmp", "./Polaire/Phoque01.jpg",
      "./Polaire/Phoque01.wav", "./Polaire/Nom_Phoque.wav"}},
    {Espece::Renard,
     {"./Polaire/Renard01G.bmp", "./Polaire/Renard01D.bmp", "./Polaire/Renard1.jpg",
      "./Polaire/Renard1.wav", "./Polaire/Nom_Renard.wav"}},
    {Espece::Oie,
     {"./Polaire/Oie01G.bmp", "./Polaire/Oie01D.bmp", "./Polaire/Oie01.jpg", "./Polaire/Oie01.wav",
      "./Polaire/Nom_Oie.wav"}},
    {Espece::LoupPolaire,
     {"./Polaire/Loup02G.bmp", "./Polaire/Loup02D.bmp", "./Polaire/Loup2.jpg",
      "./Polaire/Loup2.wav", "./Polaire/Nom_Loup2.wav"}},
    {Espece::Lapin,
     {"./Polaire/Lapin01G.bmp", "./Polaire/Lapin01D.bmp", "./Polaire/Lapin01.jpg",
      "./Polaire/Lapin01.wav", "./Polaire/Nom_Lapin.wav"}},
    {Espece::Elan,
     {"./Polaire/Elan01G.bmp", "./Polaire/Elan01D.bmp", "./Polaire/Elan01.jpg",
      "./Polaire/Elan01.wav", "./Polaire/Nom_Elan.wav"}},
    {Espece::Renne,
     {"./Polaire/Renne01G.bmp", "./Polaire/Renne01D.bmp", "./Polaire/Rennes.jpg",
      "./Polaire/Rennes.wav", "./Polaire/Nom_Renne.wav"}},
};

inline constexpr FicheAnimal kAnimauxFerme[] = {
    {Espece::Vache,
     {"./Ferme/Vache01G.bmp", "./Ferme/Vache01D.bmp", "./Ferme/Vache01.jpg", "./Ferme/Vache01.wav",
      "./Ferme/Nom_Vache.wav"}},
    {Espece::Mouton,
     {"./Ferme/Mouton01G.bmp", "./Ferme/Mouton01D.bmp", "./Ferme/Mouton01.jpg",
      "./Ferme/Mouton01.wav", "./Ferme/Nom_Mouton.wav"}},
    {Espece::Chevre,
     {"./Ferme/Chevre01G.bmp", "./Ferme/Chevre01D.bmp", "./Ferme/Chevre01.jpg",
      "./Ferme/Chevre01.wav", "./Ferme/Nom_Chevre.wav"}},
    {Espece::Cheval,
     {"./Ferme/Cheval01G.bmp", "./Ferme/Cheval01D.bmp", "./Ferme/Cheval01.jpg",
      "./Ferme/Cheval01.wav", "./Ferme/Nom_Cheval.wav"}},
    {Espece::Cochon,
     {"./Ferme/Cochon01G.bmp", "./Ferme/Cochon01D.bmp", "./Ferme/Cochon01.jpg",
      "./Ferme/Cochon01.wav", "./Ferme/Nom_Cochon.wav"}},
    {Espece::Chien,
     {"./Ferme/Chien01G.bmp", "./Ferme/Chien01D.bmp", "./Ferme/Chien01.jpg", "./Ferme/Chien01.wav",
      "./Ferme/Nom_Chien.wav"}},
    {Espece::Souris,
     {"./Ferme/Souris01G.bmp", "./Ferme/Souris01D.bmp", "./Ferme/Souris01.jpg",
      "./Ferme/Souris01.wav", "./Ferme/Nom_Souris.wav"}},
    {Espece::Poule,
     {"./Ferme/Poule01G.bmp", "./Ferme/Poule01D.bmp", "./Ferme/Poule01.jpg", "./Ferme/Poule01.wav",
      "./Ferme/Nom_Poule.wav"}},
    {Espece::Coq,
     {"./Ferme/Coq01G.bmp", "./Ferme/Coq01D.bmp", "./Ferme/Coq01.jpg", "./Ferme/Coq01.wav",
      "./Ferme/Nom_Coq.wav"}},
    {Espece::Canard,
     {"./Ferme/Canard01G.bmp", "./Ferme/Canard01D.bmp", "./Ferme/Canard01.jpg",
      "./Ferme/Canard01.wav", "./Ferme/Nom_Canard.wav"}},
    {Espece::Dindon,
     {"./Ferme/Dindon01G.bmp", "./Ferme/Dindon01D.bmp", "./Ferme/Dindon01.jpg",
      "./Ferme/Dindon01.wav", "./Ferme/Nom_Dindon.wav"}},
};

// The animals of each environment: [0] the savanna's, [1] the polar regions', [2] the farm's.
inline constexpr std::span<const FicheAnimal> kAnimaux[] = {kAnimauxSavane, kAnimauxPolaire,
                                                            kAnimauxFerme};
inline constexpr int kNbEnvironnements = static_cast<int>(std::size(kAnimaux));
inline constexpr auto kNbAnimaux = [] {
    std::array<int, kNbEnvironnements> nombres{};
    for (int environnement = 0; environnement < kNbEnvironnements; ++environnement) {
        nombres[environnement] = static_cast<int>(kAnimaux[environnement].size());
    }
    return nombres;
}();

// Each environment's name: the text of its toolbar button and of its entry in the options, and
// its key under [MaxAnim] in the settings file.
inline constexpr const char* kNomsEnvironnements[] = {"Savane", "Polaire", "Ferme"};
static_assert(std::size(kNomsEnvironnements) == kNbEnvironnements);

// Background pictures: [environment][0 for an even draw, 1 for an odd one].
inline constexpr const char* kFondsJeu[][2] = {
    {"./Savane/Zebres01B.jpg", "./Savane/Zebres02B.jpg"},
    {"./Polaire/Polaire1.jpg", "./Polaire/Polaire2.jpg"},
    {"./Ferme/Ferme1.jpg", "./Ferme/Ferme2.jpg"},
};
static_assert(std::size(kFondsJeu) == kNbEnvironnements);

inline constexpr const char* kOiseauRepos = "./Savane/Oiseau13N.bmp"; // resting bird
// Flight frames, in the order they are shown.
inline constexpr const char* kOiseauVol[] = {
    "./Savane/Oiseau06.bmp", "./Savane/Oiseau05.bmp", "./Savane/Oiseau04.bmp",
    "./Savane/Oiseau03.bmp", "./Savane/Oiseau02.bmp", "./Savane/Oiseau03.bmp",
    "./Savane/Oiseau05.bmp",
};
inline constexpr const char* kSonDebut = "./Debut.wav";
inline constexpr const char* kSonTrouve = "./Trouve.wav";
inline constexpr const char* kSonGagne = "./Gagne.wav";
inline constexpr const char* kSonSortie = "./Sortie.wav";
inline constexpr const char* kSonsFixes[] = {kSonDebut, kSonTrouve, kSonGagne, kSonSortie};

// The area of a flight frame that is drawn, from its top-left corner.
inline constexpr int kLargeurVol = 100;
inline constexpr int kHauteurVol = 52;

// The board: the background less the toolbar's strip at its bottom, cut into cells.
inline constexpr int NbLignes = 4;
inline constexpr int NbColonnes = 5;
inline constexpr int kHauteurBarreOutils = 30;

// An environment the tables above have: 0 the savanna, 1 the polar regions, 2 the farm.
constexpr bool EnvironnementConnu(int environnement) {
    return environnement >= 0 && environnement < kNbEnvironnements;
}

// File of an animal of an environment (0 savanna, 1 polar, 2 farm): letter 'G' or 'D' (sprites),
// 'I' (photograph), 'S' (cry) or 'N' (spoken name). Empty for any other letter, index or
// environment.
std::string CheminCatalogue(int environnement, int animal, char lettre);
