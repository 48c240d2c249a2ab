// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every file the game reads, a flight frame shown twice counted once.
std::vector<std::string> TousLesFichiers() {
    std::vector<std::string> fichiers;
    for (const auto animaux : kAnimaux) {
        for (const FicheAnimal& animal : animaux) {
            fichiers.insert(fichiers.end(), animal.fichiers.begin(), animal.fichiers.end());
        }
    }
    for (const auto& fonds : kFondsJeu) {
        fichiers.insert(fichiers.end(), std::begin(fonds), std::end(fonds));
    }
    const std::set<std::string> vol(std::begin(kOiseauVol), std::end(kOiseauVol));
    fichiers.insert(fichiers.end(), vol.begin(), vol.end());
    fichiers.push_back(kOiseauRepos);
    fichiers.insert(fichiers.end(), std::begin(kSonsFixes), std::end(kSonsFixes));
    return fichiers;
}

} // namespace

TEST(CatalogueCheminTest, AnythingElseGivesTheEmptyText) {
    for (const char lettre : {'g', 's', 'X', '\0'}) {
        EXPECT_EQ(CheminCatalogue(0, 0, lettre), "") << int(lettre);
    }
    for (int environnement = 0; environnement < kNbEnvironnements; ++environnement) {
        EXPECT_EQ(CheminCatalogue(environnement, -1, 'G'), "");
        EXPECT_EQ(CheminCatalogue(environnement, kNbAnimaux[environnement], 'G'), "");
    }
    EXPECT_EQ(CheminCatalogue(kNbEnvironnements, 0, 'G'), "");
    EXPECT_EQ(CheminCatalogue(-1, 0, 'G'), "");
}

TEST(CatalogueTest, EveryFileIsDistinctAndPlainlyNamedUnderTheGamesFolder) {
    const std::vector<std::string> fichiers = TousLesFichiers();
    EXPECT_EQ(std::set<std::string>(fichiers.begin(), fichiers.end()).size(), fichiers.size());
    for (const std::string& fichier : fichiers) {
        // Portable names that the catalogue's manifest writes without escaping.
        EXPECT_EQ(fichier.rfind("./", 0), 0u) << fichier;
        EXPECT_EQ(fichier.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789_./"),
                  std::string::npos)
            << fichier;
    }
}
