// SPDX-License-Identifier: MIT
// Picture loading: LitBitmap against libjpeg alone, and a new game on a large background.
#include "FonctGen/FonctGen.h"
#include "app/platform/Bitmap.h"
#include "bench/Banc.h"
#include "bench/Mesure.h"
#include "game/Catalogue.h"
#include "support/Pictures.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kLargeurFond = 1600;
constexpr int kHauteurFond = 1200;

// libjpeg alone, with LitBitmap's settings.
void DecodeDirect(const std::vector<unsigned char>& octets) {
    benchmark::DoNotOptimize(pictures::DecodeReference(octets).data());
}

void BM_LitBitmap(benchmark::State& state) {
    Partie& partie = PartieCourante();
    partie.EcritFonds(kLargeurFond, kHauteurFond);
    const std::string fichier = kFondsJeu[0][0];
    const std::vector<unsigned char> octets = pictures::ReadBytes(fichier);
    mesure::Compare(
        state,
        [&] {
            TBitmap destination;
            if (LitBitmap(fichier, &destination) == nullptr) {
                state.SkipWithError("LitBitmap refuse le fond");
            }
        },
        [&] { DecodeDirect(octets); }, "libjpeg alone on the same bytes", 1.10);
}
BENCHMARK(BM_LitBitmap)->UseManualTime();

// A new game on a 1600 x 1200 background with a 1280-pixel work area: decoded, reduced to
// 960 x 720, the board set up and traced; range(0): the environment (TypeJeu).
void BM_NouveauJeu(benchmark::State& state) {
    Partie& partie = PartieCourante();
    partie.EcritFonds(kLargeurFond, kHauteurFond);
    partie.ecran.area = Rect(0, 0, 1280, 1024);
    const std::vector<unsigned char> octets = pictures::ReadBytes(kFondsJeu[0][0]);
    TSDIAppForm& fenetre = partie.Fenetre();
    fenetre.TypeJeu = static_cast<int>(state.range(0));
    mesure::Compare(
        state, [&] { fenetre.NouveauJeu(); }, [&] { DecodeDirect(octets); },
        "libjpeg alone on the background's bytes");
    if (fenetre.Fond->Width() != 960) {
        state.SkipWithError("le fond n'a pas été réduit");
    }
    partie.ecran.area = Rect(0, 0, kEcranLarge, 1024);
    fenetre.TypeJeu = 0;
}
BENCHMARK(BM_NouveauJeu)->DenseRange(0, kNbEnvironnements - 1)->UseManualTime();

} // namespace
