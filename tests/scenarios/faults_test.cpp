// SPDX-License-Identifier: MIT
// Damaged files met during play: each picture the game reads (a background, a sprite when it
// is revealed, a photograph in the viewer, a frame of the bird's flight) missing, empty, one
// byte long, cut in half, or of another format under its name. The boxes are the ones the
// game promises; after them play goes on, and closing still writes the settings.
#include "app/platform/PaintBox.h"
#include "game/Catalogue.h"
#include "support/GameWindow.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum class Degat { Manquant, Vide, UnOctet, Coupe, AutreFormat, Enorme, UnPixel };
enum class Fichier { Fond, Sprite, Photo, Vol };

const char* Nom(Degat d) {
    switch (d) {
    case Degat::Manquant:
        return "Missing";
    case Degat::Vide:
        return "Empty";
    case Degat::UnOctet:
        return "OneByte";
    case Degat::Coupe:
        return "CutInHalf";
    case Degat::AutreFormat:
        return "OtherFormat";
    case Degat::Enorme:
        return "HugeSize";
    case Degat::UnPixel:
        return "OnePixel";
    }
    return "";
}

const char* Nom(Fichier f) {
    switch (f) {
    case Fichier::Fond:
        return "Background";
    case Fichier::Sprite:
        return "Sprite";
    case Fichier::Photo:
        return "Photograph";
    case Fichier::Vol:
        return "FlightFrame";
    }
    return "";
}

QByteArray Contenu(const std::string& chemin) {
    QFile fichier(QString::fromStdString(chemin));
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

void Ecrit(const std::string& chemin, const QByteArray& contenu) {
    QFile fichier(QString::fromStdString(chemin));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    fichier.write(contenu);
}

// A picture of the other format under the file's name: a bitmap where a JPEG is expected
// and the other way round.
void EcritAutreFormat(const std::string& chemin) {
    if (chemin.ends_with(".jpg")) {
        assets::WriteBmp(chemin, assets::SpriteImage(24, 20, qRgb(200, 40, 40)));
    } else {
        assets::WriteJpeg(chemin, 24, 20);
    }
}

// The same file claiming a size of 60000 x 60000 pixels in its header.
QByteArray TailleEnorme(QByteArray fichier) {
    const auto ecrit16 = [&](qsizetype at, quint16 v) {
        fichier[at] = char(v >> 8);
        fichier[at + 1] = char(v & 0xFF);
    };
    if (fichier.startsWith("BM")) {
        const qint32 cote = 60000;
        fichier.replace(18, 4, reinterpret_cast<const char*>(&cote), 4);
        fichier.replace(22, 4, reinterpret_cast<const char*>(&cote), 4);
        return fichier;
    }
    // Baseline or progressive frame header: length, precision, height, width.
    qsizetype sof = fichier.indexOf("\xFF\xC0");
    if (sof < 0) {
        sof = fichier.indexOf("\xFF\xC2");
    }
    EXPECT_GE(sof, 0);
    ecrit16(sof + 5, 60000);
    ecrit16(sof + 7, 60000);
    return fichier;
}

void Abime(const std::string& chemin, Degat degat) {
    const QByteArray original = Contenu(chemin);
    ASSERT_FALSE(original.isEmpty()) << chemin;
    switch (degat) {
    case Degat::Manquant:
        ASSERT_TRUE(QFile::remove(QString::fromStdString(chemin)));
        break;
    case Degat::Vide:
        Ecrit(chemin, {});
        break;
    case Degat::UnOctet:
        Ecrit(chemin, original.left(1));
        break;
    case Degat::Coupe: {
        // Within the picture data, after the headers: a JPEG's from its start of scan.
        const qsizetype debut = std::max<qsizetype>(0, original.indexOf("\xFF\xDA"));
        Ecrit(chemin, original.left(debut + (original.size() - debut) / 2));
        break;
    }
    case Degat::AutreFormat:
        EcritAutreFormat(chemin);
        break;
    case Degat::Enorme:
        Ecrit(chemin, TailleEnorme(original));
        break;
    case Degat::UnPixel:
        if (chemin.ends_with(".jpg")) {
            assets::WriteJpeg(chemin, 1, 1);
        } else {
            assets::WriteBmp(chemin, assets::SpriteImage(1, 1, 0));
        }
        break;
    }
}

struct Cas {
    Fichier fichier;
    Degat degat;
};

struct Cellule {
    int Ligne;
    int Colonne;
};

class FaultsTest : public GameWindowTest, public ::testing::WithParamInterface<Cas> {
protected:
    FaultsTest() {
        assets::WriteBackgrounds(400, 330);
        Form().DessEnviron = GetParam().fichier == Fichier::Photo;
        Form().Bruitage = true;
        Form().MaxAnim[0] = 5;
        Form().LanceNouveauJeu();
        messages.messages.clear();
    }

    // The pairs of the board, 'G' cell first.
    std::vector<std::pair<Cellule, Cellule>> Paires() {
        std::vector<std::pair<Cellule, Cellule>> paires;
        for (int l = 0; l < NbLignes; ++l) {
            for (int c = 0; c < NbColonnes; ++c) {
                if (!Form().Grille[l][c].PhotoAnimal.empty()) {
                    paires.push_back(
                        {{l, c},
                         {Form().Grille[l][c].LigneAutre, Form().Grille[l][c].ColonneAutre}});
                }
            }
        }
        return paires;
    }

    GRILLE& Case(Cellule c) { return Form().Grille[c.Ligne][c.Colonne]; }
    QPoint Centre(Cellule c) {
        const int l = Form().PB->width(), h = Form().PB->height();
        return {c.Colonne * l / 5 + l / 10, c.Ligne * h / 4 + h / 8};
    }
    void Clique(Cellule c) { QTest::mouseClick(Form().PB, Qt::LeftButton, {}, Centre(c)); }
    void Bouge(Cellule c) {
        const QPoint point = Centre(c);
        QMouseEvent mouvement(QEvent::MouseMove, point, Form().PB->mapToGlobal(point), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Form().PB, &mouvement);
    }

    // Damages the file and does what makes the game read it.
    void Provoque() {
        const Cas cas = GetParam();
        const Cellule g = Paires().front().first;
        switch (cas.fichier) {
        case Fichier::Fond:
            for (const char* fond : kFondsJeu[0]) {
                Abime(fond, cas.degat);
            }
            Form().PB->Canvas().Surface().fill(Qt::magenta);
            QTest::mouseClick(Form().Savane, Qt::LeftButton);
            break;
        case Fichier::Sprite:
            Abime(Case(g).Dessin, cas.degat);
            Clique(g);
            break;
        case Fichier::Photo:
            Abime(Case(g).PhotoAnimal, cas.degat);
            Clique(g);
            break;
        case Fichier::Vol:
            Abime(kOiseauVol[2], cas.degat);
            Bouge(g);
            Bouge(Paires().back().second);
            break;
        }
    }

    // What the player is told, by the file and the damage.
    void VerifieMessages() {
        const Cas cas = GetParam();
        const std::vector<QString> vus = Messages();
        const auto seulement = [&](std::vector<QString> attendus) { EXPECT_EQ(vus, attendus); };
        if (cas.degat == Degat::UnPixel) {
            return seulement({}); // a valid picture, however small
        }
        const auto uneErreur = [&] {
            ASSERT_EQ(vus.size(), 1u);
            EXPECT_EQ(messages.messages.front().type, TMsgDlgType::mtError);
            EXPECT_FALSE(vus.front().isEmpty());
        };
        const QString pasDImage = QStringLiteral("Pas d'image");
        switch (cas.fichier) {
        case Fichier::Fond:
            if (cas.degat == Degat::Manquant) {
                return seulement({pasDImage});
            }
            if (cas.degat == Degat::Coupe) {
                return seulement({}); // decoded, the missing part filled in
            }
            if (cas.degat == Degat::AutreFormat) {
                return seulement({QStringLiteral("Format d'image non reconnu (42-4D)"), pasDImage});
            }
            return uneErreur(); // the read error, passed on to the handler
        case Fichier::Photo:
            if (cas.degat == Degat::Manquant || cas.degat == Degat::Coupe) {
                return seulement({});
            }
            if (cas.degat == Degat::AutreFormat) {
                return seulement({QStringLiteral("Format d'image non reconnu (42-4D)")});
            }
            return uneErreur();
        case Fichier::Sprite:
        case Fichier::Vol:
            if (cas.degat == Degat::Coupe) {
                // The bitmap reader may fill in the missing rows or refuse the file.
                EXPECT_LE(vus.size(), 1u);
                return;
            }
            return uneErreur();
        }
    }
};

TEST_P(FaultsTest, TheGameSaysWhatWentWrongPlaysOnAndClosesWithItsSettings) {
    Provoque();
    VerifieMessages();
    messages.messages.clear();
    if (GetParam().fichier == Fichier::Fond) {
        // The new board shows at once, however far its set-up got.
        const QImage montre = Screen();
        Form().PB->Repaint();
        EXPECT_EQ(Screen(), montre);
    }

    // Another pair is still found, however the damage left the screen (a new board when
    // the background was damaged), unless a background of one pixel left the board no room.
    if (Form().PB->Height() > 1) {
        const auto [g, d] = Paires().back();
        Clique(g);
        Clique(d);
        EXPECT_TRUE(Case(g).Trouve && Case(d).Trouve);
    }
    Form().PB->Repaint();
    Form().close();
    EXPECT_NE(LitIni().find("[Jeu]"), std::string::npos);
    EXPECT_TRUE(messages.messages.empty());
}

std::vector<Cas> TousLesCas() {
    std::vector<Cas> cas;
    for (Fichier f : {Fichier::Fond, Fichier::Sprite, Fichier::Photo, Fichier::Vol}) {
        for (Degat d : {Degat::Manquant, Degat::Vide, Degat::UnOctet, Degat::Coupe,
                        Degat::AutreFormat, Degat::Enorme, Degat::UnPixel}) {
            cas.push_back({f, d});
        }
    }
    return cas;
}

INSTANTIATE_TEST_SUITE_P(FaultsDamagedFiles, FaultsTest, ::testing::ValuesIn(TousLesCas()),
                         [](const ::testing::TestParamInfo<Cas>& info) {
                             return std::string(Nom(info.param.fichier)) + Nom(info.param.degat);
                         });

} // namespace
