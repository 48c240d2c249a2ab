// SPDX-License-Identifier: MIT
// Writes the game's catalogue of files as JSON for the tests written in other languages (the
// end-to-end harness): the names as the game reads them, in the catalogue's order, and the sizes
// of the flight frame and of the board.
#include "game/Catalogue.h"

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>

namespace {

// Keys of an animal's files, in the order of kLettresAnimal.
constexpr const char* kAnimalKeys[] = {"sprite", "mirror", "photograph", "cry", "name"};
static_assert(std::size(kAnimalKeys) == std::size(kLettresAnimal) - 1);

// Catalogue names need no escaping: letters, digits, '_', '.' and '/' only.
std::string quoted(const char* text) {
    return std::string("\"") + text + '"';
}

std::string list(std::span<const char* const> names) {
    std::string json;
    for (const char* name : names) {
        json += (json.empty() ? "" : ", ") + quoted(name);
    }
    return "[" + json + "]";
}

std::string animal(const FichiersAnimal& files) {
    std::string json;
    for (std::size_t letter = 0; letter < files.size(); ++letter) {
        json +=
            (letter > 0 ? ", " : "") + quoted(kAnimalKeys[letter]) + ": " + quoted(files[letter]);
    }
    return "{" + json + "}";
}

std::string sizes(std::initializer_list<std::pair<const char*, int>> values) {
    std::string json;
    for (const auto& [key, value] : values) {
        json += (json.empty() ? "" : ", ") + quoted(key) + ": " + std::to_string(value);
    }
    return "{" + json + "}";
}

std::string manifest() {
    std::string environments;
    for (const auto animals : kAnimaux) {
        std::string json;
        for (const FicheAnimal& fiche : animals) {
            json += (json.empty() ? "" : ",\n     ") + animal(fiche.fichiers);
        }
        environments += (environments.empty() ? "" : ",\n    ") + ("[" + json + "]");
    }
    std::string backgrounds;
    for (const auto& fonds : kFondsJeu) {
        backgrounds += (backgrounds.empty() ? "" : ", ") + list(fonds);
    }
    return "{\n  \"animals\": [\n    " + environments + "],\n" + "  \"backgrounds\": [" +
           backgrounds + "],\n" + "  \"resting_bird\": " + quoted(kOiseauRepos) + ",\n" +
           "  \"flight\": " + list(kOiseauVol) + ",\n" +
           "  \"flight_frame\": " + sizes({{"width", kLargeurVol}, {"height", kHauteurVol}}) +
           ",\n" + "  \"sounds\": " + list(kSonsFixes) + ",\n" + "  \"board\": " +
           sizes({{"rows", NbLignes},
                  {"columns", NbColonnes},
                  {"toolbar_height", kHauteurBarreOutils}}) +
           "\n}\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << manifest();
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
