// SPDX-License-Identifier: MIT
// Writes the seed corpora of the fuzz targets: <folder>/litbitmap and <folder>/inifile.
#include "support/Pictures.h"

#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

using namespace pictures;
namespace fs = std::filesystem;

namespace {

// Input of fuzz_litbitmap: the selector byte, then the file.
void Graine(const fs::path& dossier, const std::string& nom, unsigned char selecteur,
            const std::vector<unsigned char>& fichier) {
    std::vector<unsigned char> entree{selecteur};
    entree.insert(entree.end(), fichier.begin(), fichier.end());
    WriteBytes((dossier / nom).string(), entree);
}

std::vector<unsigned char> Bmp(const QImage& image) {
    const fs::path temporaire = fs::temp_directory_path() / "kornibelle_graine.bmp";
    WriteBmp(temporaire.string(), image, image.format() == QImage::Format_Indexed8);
    auto octets = ReadBytes(temporaire.string());
    fs::remove(temporaire);
    return octets;
}

std::vector<unsigned char> Texte(const std::string& texte) {
    return {texte.begin(), texte.end()};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage : fuzz_graines <dossier>\n";
        return 2;
    }
    const fs::path images = fs::path(argv[1]) / "litbitmap";
    const fs::path reglages = fs::path(argv[1]) / "inifile";
    fs::create_directories(images);
    fs::create_directories(reglages);

    const QImage motif = Quarters(24, 16);
    const auto base = JpegBytes(motif);
    Graine(images, "base", 0, base);
    Graine(images, "base8", 2, base);
    Graine(images, "progressif", 0, JpegBytes(motif, JpegKind::Progressive));
    Graine(images, "gris", 0, JpegBytes(motif, JpegKind::Grey));
    Graine(images, "coupe", 0, {base.begin(), base.begin() + base.size() / 2});
    Graine(images, "bmp24", 1, Bmp(motif));
    Graine(images, "bmp8", 1, Bmp(motif.convertToFormat(QImage::Format_Indexed8)));

    WriteBytes((reglages / "defaut").string(), Texte("[Jeu]\nTypeJeu=0\n[MaxAnim]\nSavane=5\n"
                                                     "Polaire=5\n[Cases]\nDess=1\n[Environ]\n"
                                                     "Dess=1\nBruitage=1\n[Form]\nInitMax=0\n"
                                                     "[Image]\nChoix=0\n"));
    WriteBytes((reglages / "main").string(),
               Texte("; a la main\r\n[maxanim]\r\n0=3\r\n1 = 8\r\n[CASES]\r\nDess=yes\r\n"
                     "[Jeu]\r\nTypeJeu=-1\r\n[Jeu]\r\nTypeJeu=0x10\r\n"));
    WriteBytes((reglages / "sans_fin").string(),
               Texte("\xEF\xBB\xBF\n# r\xE9glages\n[Jeu]\nTypeJeu\t=\t1 \nTypeJeu=2\nsans egal\n\n"
                     "[Form]\nInitMax="));
    return 0;
}
