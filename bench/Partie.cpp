// SPDX-License-Identifier: MIT
#include "bench/Partie.h"

#include "game/Catalogue.h"
#include "support/Assets.h"
#include "support/Pictures.h"

#include <QCoreApplication>
#include <QTest>
#include <cmath>
#include <cstdint>

Partie::Partie(int largeurEcran) : ecran(Rect(0, 0, largeurEcran, 1024)) {
    assets::WriteFixedAssets();
    fenetres_ = std::make_unique<TFenetres>();
    assets::WriteAnimalAssets(Fenetre());
    Fenetre().show();
    if (!QTest::qWaitForWindowExposed(&Fenetre())) {
        throw std::runtime_error("la fenêtre principale n'apparaît pas");
    }
}

Partie::~Partie() {
    fenetres_.reset();
}

void Partie::EcritFonds(int largeur, int hauteur) {
    const QImage image = Photo(largeur, hauteur);
    const std::vector<unsigned char> octets = pictures::JpegBytes(image);
    for (const auto& environnement : kFondsJeu) {
        for (const char* fond : environnement) {
            pictures::WriteBytes(fond, octets);
        }
    }
}

void Partie::NouveauFond(int largeur, int hauteur) {
    EcritFonds(largeur, hauteur);
    Fenetre().LanceNouveauJeu();
    QCoreApplication::processEvents();
}

QImage Photo(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x) {
            // A hash of the 2 x 2 block gives grain; the waves give shapes.
            std::uint32_t h = std::uint32_t(x / 2) * 73856093u ^ std::uint32_t(y / 2) * 19349663u;
            h = (h ^ (h >> 13)) * 0x5bd1e995u;
            const int grain = int(h >> 27) - 16;
            const double onde = 40.0 * std::sin(x * 0.031) * std::cos(y * 0.023);
            const auto composante = [&](int base) {
                return qBound(0, base + grain + int(onde), 255);
            };
            ligne[x] = qRgb(composante(60 + 120 * x / largeur), composante(110),
                            composante(50 + 100 * y / hauteur));
        }
    }
    return image;
}

QPoint CentreCase(const TSDIAppForm& fenetre, int ligne, int colonne) {
    return {(2 * colonne + 1) * fenetre.PB->Width() / (2 * NbColonnes),
            (2 * ligne + 1) * fenetre.PB->Height() / (2 * NbLignes)};
}
