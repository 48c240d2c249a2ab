// SPDX-License-Identifier: MIT
// The scene: a full paint, the transparent drawing of a sprite, the bird's flight.
#include "app/platform/Bitmap.h"
#include "bench/Banc.h"
#include "bench/Mesure.h"
#include "support/Assets.h"

#include <QCoreApplication>
#include <QImage>
#include <cstring>

namespace {

// One plain copy of a picture into another of the same size.
void Copie(const QImage& source, QImage& cible) {
    std::memcpy(cible.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
    benchmark::ClobberMemory();
}

// One plain copy of the rectangle (x, y, w, h) of source into cible, of w x h.
void CopieRectangle(const QImage& source, int x, int y, QImage& cible) {
    const std::size_t octets = std::size_t(cible.width()) * 4;
    for (int ligne = 0; ligne < cible.height(); ++ligne) {
        std::memcpy(cible.scanLine(ligne), source.constScanLine(y + ligne) + std::size_t(x) * 4,
                    octets);
    }
    benchmark::ClobberMemory();
}

QImage Image(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::gray);
    return image;
}

// The scene composed at the client size into an off-screen target, as a paint composes it.
void BM_DessineScene(benchmark::State& state) {
    Partie& partie = PartieCourante();
    partie.ecran.area = Rect(0, 0, kEcranLarge, 1024);
    partie.NouveauFond(int(state.range(0)), int(state.range(1)));
    TSDIAppForm& fenetre = partie.Fenetre();
    const int largeur = fenetre.ClientWidth();
    const int hauteur = fenetre.ClientHeight();
    TBitmap cible;
    cible.SetSize(largeur, hauteur);
    const QImage source = Image(largeur, hauteur);
    QImage copie = Image(largeur, hauteur);
    mesure::Compare(
        state, [&] { fenetre.DessineScene(largeur, hauteur, cible.Canvas()); },
        [&] { Copie(source, copie); }, "one plain copy of the client area", 12);
}
BENCHMARK(BM_DessineScene)->Args({1024, 768})->Args({1920, 1080})->UseManualTime();

// A window maximised on a 1920 x 1080 screen, its board drawn at its own size and shown
// stretched; the next new game gives the window its own size again.
void Agrandit(TSDIAppForm& fenetre) {
    fenetre.resize(1920, 1080);
    QCoreApplication::processEvents();
}

// The whole paint as the user gets it: the scene onto the paint box, then shown; range(2): in
// a window maximised on 1920 x 1080.
void BM_Repaint(benchmark::State& state) {
    Partie& partie = PartieCourante();
    partie.ecran.area = Rect(0, 0, kEcranLarge, 1024);
    partie.NouveauFond(int(state.range(0)), int(state.range(1)));
    TSDIAppForm& fenetre = partie.Fenetre();
    if (state.range(2) != 0) {
        Agrandit(fenetre);
    }
    const QImage source = Image(fenetre.ClientWidth(), fenetre.ClientHeight());
    QImage copie = Image(fenetre.ClientWidth(), fenetre.ClientHeight());
    mesure::Compare(
        state, [&] { fenetre.PB->Repaint(); }, [&] { Copie(source, copie); },
        "one plain copy of the client area", state.range(2) != 0 ? 12 : 0);
}
BENCHMARK(BM_Repaint)
    ->Args({1024, 768, 0})
    ->Args({1920, 1080, 0})
    ->Args({1024, 768, 1})
    ->UseManualTime();

void BM_DessineTransparent(benchmark::State& state) {
    constexpr int kCote = 128;
    Partie& partie = PartieCourante();
    partie.ecran.area = Rect(0, 0, kEcranLarge, 1024);
    partie.NouveauFond(1024, 768);
    TSDIAppForm& fenetre = partie.Fenetre();
    const QImage dessin = assets::SpriteImage(kCote, kCote, qRgb(200, 120, 40));
    TBitmap sprite;
    const QImage& ecran = fenetre.PB->Canvas().Surface();
    QImage rectangle = Image(kCote, kCote);
    // The drawing turns the sprite's black white: each iteration draws a fresh one.
    mesure::Compare(
        state, [&] { fenetre.DessineTransparent(sprite, kCote, kCote, 300, 200, true); },
        [&] { CopieRectangle(ecran, 300, 200, rectangle); },
        "one plain copy of the 128x128 rectangle", 0, [&] { sprite.Assign(dessin.copy()); });
}
BENCHMARK(BM_DessineTransparent)->UseManualTime();

// The flight's drawing: a mouse move's bird steps timed whole, less its seven 30 ms pauses and
// its final 20 ms pause timed alone right after, against the 230 ms the pauses take; range(0):
// in a window maximised on 1920 x 1080.
void BM_VolOiseau(benchmark::State& state) {
    Partie& partie = PartieCourante();
    partie.ecran.area = Rect(0, 0, kEcranLarge, 1024);
    partie.NouveauFond(1024, 768);
    TSDIAppForm& fenetre = partie.Fenetre();
    if (state.range(0) != 0) {
        Agrandit(fenetre);
    }
    const QPoint pointeur = CentreCase(fenetre, 1, 2);
    const auto attentes = [&] {
        for (int image = 0; image < 7; ++image) {
            fenetre.Attente(30, true);
        }
        fenetre.Attente(20, true);
    };
    std::vector<double> dessins;
    for (auto _ : state) {
        const double vol =
            mesure::Duree([&] { fenetre.PBMouseMove(0, pointeur.x(), pointeur.y()); });
        const double dessin = vol - mesure::Duree(attentes);
        state.SetIterationTime(std::max(dessin, 0.0));
        dessins.push_back(dessin);
    }
    mesure::Rapporte(state, dessins, std::vector<double>(dessins.size(), 0.230),
                     "the 230 ms of pauses (wall time)", 0.05);
}
BENCHMARK(BM_VolOiseau)->Arg(0)->Arg(1)->Iterations(15)->UseManualTime();

} // namespace
