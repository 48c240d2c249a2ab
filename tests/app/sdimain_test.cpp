// SPDX-License-Identifier: MIT
#include "app/platform/Frame.h"
#include "app/sdimain.h"
#include "support/Assets.h"
#include "support/Coquille.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <memory>

namespace {

// Shortcuts go to the active window, which a closed dialog may still be for a moment.
void Active(QWidget& fenetre) {
    fenetre.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &fenetre; }));
}

class SdimainTest : public CoquilleTest {
protected:
    TSDIAppForm& Ouvre() {
        form = std::make_unique<TSDIAppForm>();
        return *form;
    }
    TSDIAppForm& OuvreEtMontre() {
        Ouvre().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    QAction* Action(const char* nom) const { return form->findChild<QAction*>(nom); }

    std::unique_ptr<TSDIAppForm> form;
};

TEST_F(SdimainTest, OpensTitledAtTheTopLeftCornerWithACloseAndAMaximiseBox) {
    TSDIAppForm& fenetre = OuvreEtMontre();
    EXPECT_EQ(fenetre.windowTitle(), "Kornibelle");
    EXPECT_EQ(fenetre.pos(), QPoint(0, 0));
    const Qt::WindowFlags drapeaux = fenetre.windowFlags();
    EXPECT_TRUE(drapeaux & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(drapeaux & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(drapeaux & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(fenetre.centralWidget(), fenetre.PB);
    EXPECT_EQ(fenetre.PB->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(fenetre.Timer1->isActive());
    EXPECT_EQ(fenetre.Timer1->interval(), 2000);
}

TEST_F(SdimainTest, ToolbarShowsOnlyTheSeparatorAndTheEnvironmentButtons) {
    TSDIAppForm& fenetre = OuvreEtMontre();
    EXPECT_EQ(fenetre.HauteurBarreOutils(), kHauteurBarreOutils);
    EXPECT_FALSE(fenetre.ToolBar1->isMovable());
    EXPECT_EQ(fenetre.PB->mapTo(&fenetre, QPoint(0, 0)).y(),
              fenetre.ToolBar1->mapTo(&fenetre, QPoint(0, 0)).y() + kHauteurBarreOutils);

    for (const char* cache : {"ToolButton9", "ToolButton1", "ToolButton2", "ToolButton4",
                              "ToolButton5", "ToolButton6"}) {
        EXPECT_FALSE(fenetre.findChild<QWidget*>(cache)->isVisible()) << cache;
    }
    for (const char* montre : {"ToolButton3", "Savane", "Polaire", "Ferme"}) {
        const QWidget* bouton = fenetre.findChild<QWidget*>(montre);
        EXPECT_TRUE(bouton->isVisible()) << montre;
        // Whole within the strip that holds the buttons, not cut off by its edge.
        EXPECT_TRUE(bouton->parentWidget()->rect().contains(bouton->geometry())) << montre;
    }

    const auto place = [&](QWidget* enfant) {
        return QRect(enfant->mapTo(fenetre.ToolBar1, QPoint(0, 0)), enfant->size());
    };
    EXPECT_EQ(place(fenetre.Savane), QRect(157, 2, 75, 23));
    EXPECT_EQ(place(fenetre.Polaire), QRect(232, 2, 75, 23));
    EXPECT_EQ(place(fenetre.Ferme), QRect(307, 2, 75, 23));
    EXPECT_EQ(place(fenetre.findChild<QWidget*>("ToolButton3")).left(), 77);
    EXPECT_EQ(fenetre.findChild<QWidget*>("ToolButton3")->width(), 8);
    EXPECT_EQ(fenetre.Savane->text(), "Savane");
    EXPECT_EQ(fenetre.Polaire->text(), "Polaire");
    EXPECT_EQ(fenetre.Ferme->text(), "Ferme");
    EXPECT_EQ(fenetre.findChild<QToolButton*>("ToolButton1")->defaultAction(), Action("FileOpen1"));

    QStatusBar* barre = fenetre.findChild<QStatusBar*>("StatusBar");
    EXPECT_FALSE(barre->isVisible());
    EXPECT_EQ(fenetre.findChild<QLabel*>("Panneau2")->text(), "Zone 2");
    EXPECT_EQ(fenetre.findChild<QLabel*>("Panneau3")->maximumWidth(), 50);
}

TEST_F(SdimainTest, MenusActionsAndHints) {
    TSDIAppForm& fenetre = Ouvre();
    QStringList barre;
    for (QAction* entree : fenetre.menuBar()->actions()) {
        if (entree->isVisible()) {
            barre << entree->text();
        }
    }
    EXPECT_EQ(barre, QStringList({"&Fichier", "Jeu", "Options", "&Aide"}));
    EXPECT_EQ(fenetre.findChild<QMenu*>("File1")->menuAction()->statusTip(),
              "Commandes liées aux fichiers");

    QStringList fichier;
    for (QAction* entree : fenetre.findChild<QMenu*>("File1")->actions()) {
        fichier << (entree->isSeparator() ? "-" : entree->text());
    }
    EXPECT_EQ(fichier, QStringList({"&Nouveau", "&Ouvrir", "&Enregistrer", "Enregistrer &sous...",
                                    "-", "&Quitter"}));
    QStringList jeu;
    for (QAction* entree : fenetre.findChild<QMenu*>("Jeu1")->actions()) {
        jeu << entree->text();
    }
    EXPECT_EQ(jeu, QStringList({"Savanne", "Polaire"}));

    QAction* ouvrir = Action("FileOpen1");
    EXPECT_EQ(ouvrir->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(ouvrir->toolTip(), "Ouvrir");
    EXPECT_EQ(ouvrir->statusTip(), "Ouvrir un fichier");
    EXPECT_EQ(ouvrir->property("category").toString(), "Fichier");
    EXPECT_FALSE(ouvrir->icon().isNull());
    EXPECT_EQ(Action("EditPaste1")->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_EQ(Action("EditPaste1")->statusTip(), "Insérer le contenu du Presse-papiers");
    EXPECT_TRUE(Action("FileSaveAs1")->icon().isNull());
    EXPECT_EQ(Action("HelpAbout1")->property("category").toString(), "Aide");
}

TEST_F(SdimainTest, ShortcutsReachTheirActionsThoughTheirButtonsAreHidden) {
    TSDIAppForm& fenetre = OuvreEtMontre();
    Active(fenetre);
    QSignalSpy nouveau(Action("FileNew1"), &QAction::triggered);
    QTest::keyClick(&fenetre, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(nouveau.count(), 1);

    bool ouvert = false;
    QuandVisible(fenetre.OpenDialog(), [&] {
        ouvert = true;
        fenetre.OpenDialog().reject();
    });
    QTest::keyClick(&fenetre, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(ouvert);

    bool enregistre = false;
    Active(fenetre);
    QuandVisible(fenetre.SaveDialog(), [&] {
        enregistre = true;
        fenetre.SaveDialog().reject();
    });
    QTest::keyClick(&fenetre, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(enregistre);
}

// The toolbar is part of the board's geometry: no menu offers to hide it.
TEST_F(SdimainTest, NoContextMenuOffersToHideTheToolbar) {
    TSDIAppForm& fenetre = OuvreEtMontre();
    for (QWidget* cible :
         {static_cast<QWidget*>(fenetre.menuBar()), static_cast<QWidget*>(fenetre.ToolBar1)}) {
        const QPoint point(cible->width() - 5, cible->height() / 2);
        QContextMenuEvent clic(QContextMenuEvent::Mouse, point, cible->mapToGlobal(point));
        QApplication::sendEvent(cible, &clic);
        QWidget* menu = QApplication::activePopupWidget();
        EXPECT_EQ(menu, nullptr);
        if (menu) {
            menu->close();
        }
    }
}

TEST_F(SdimainTest, TheGameMenuEntriesDoNothing) {
    TSDIAppForm& fenetre = Ouvre();
    fenetre.TypeJeu = 1;
    Action("Savane1")->trigger();
    EXPECT_EQ(fenetre.TypeJeu, 1);
    fenetre.TypeJeu = 0;
    Action("Polaire1")->trigger();
    EXPECT_EQ(fenetre.TypeJeu, 0);
}

TEST_F(SdimainTest, TheClientAreaIsEverythingBelowTheMenuBar) {
    TSDIAppForm& fenetre = Ouvre();
    EXPECT_EQ(fenetre.HauteurBarreOutils(), kHauteurBarreOutils);
    fenetre.SetClientSize(640, 510);
    EXPECT_EQ(fenetre.ClientWidth(), 640);
    EXPECT_EQ(fenetre.ClientHeight(), 510);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    EXPECT_EQ(fenetre.PB->width(), 640);
    EXPECT_EQ(fenetre.PB->height(), 480);
    EXPECT_EQ(fenetre.height(), 510 + fenetre.menuBar()->height());
}

TEST_F(SdimainTest, SizedForAnEstimatedFrameUntilFramedThenForTheTrueOneAtTheWorkAreasCorner) {
    workArea.area = Rect(0, 27, 1366, 768);
    assets::WriteFixedAssets();
    assets::WriteBackgrounds(1024, 768);
    TSDIAppForm& fenetre = Ouvre();
    const int menu = fenetre.height() - fenetre.ClientHeight();
    const QMargins estime = fenetre.Cadre->Margins();
    ASSERT_FALSE(fenetre.Cadre->Known());
    EXPECT_GE(estime.top() + estime.bottom(), 34);
    EXPECT_EQ(fenetre.ClientHeight(), 741 - menu - estime.top() - estime.bottom());
    EXPECT_EQ(fenetre.frameGeometry().topLeft(), QPoint(0, 27));

    // Offscreen windows have a thin frame: the picture grows to the whole height left.
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenetre.Cadre->Known(); }));
    const QMargins cadre = fenetre.Cadre->Margins();
    ASSERT_LT(cadre.top() + cadre.bottom(), estime.top() + estime.bottom());
    const int hauteur = 741 - menu - cadre.top() - cadre.bottom();
    EXPECT_EQ(fenetre.frameGeometry().topLeft(), QPoint(0, 27));
    EXPECT_EQ(fenetre.frameGeometry().height(), 741);
    EXPECT_EQ(fenetre.ClientHeight(), hauteur);
    EXPECT_EQ(fenetre.Fond->Height(), hauteur);
    EXPECT_EQ(fenetre.Fond->Width(), 1024 * hauteur / 768);
    EXPECT_EQ(fenetre.ClientWidth(), fenetre.Fond->Width());
    EXPECT_EQ(fenetre.HauteurCase, (hauteur - 30) / 4);
    EXPECT_EQ(fenetre.PB->Canvas().Surface().size(), fenetre.PB->size());

    // Once a cell has been found, a new frame leaves the board as it is.
    const QSize taille = fenetre.size();
    fenetre.Grille[0][0].Trouve = true;
    workArea.area = Rect(0, 0, 1366, 600);
    fenetre.CadreChange();
    EXPECT_EQ(fenetre.size(), taille);
    fenetre.Grille[0][0].Trouve = false;
    fenetre.CadreChange();
    EXPECT_EQ(fenetre.frameGeometry().height(), 600);
    EXPECT_EQ(fenetre.frameGeometry().topLeft(), QPoint(0, 0));
}

// A new game gives the window the new board's size unless the user resized it: a window
// manager's rounding by a pixel is not the user's doing. Shrunk as far as it goes, the board's
// cells are still large enough to aim at.
TEST_F(SdimainTest, KeepsAUserSizeNotARoundedOneAndShrinksNoFurtherThanPlayableCells) {
    assets::WriteFixedAssets();
    TSDIAppForm& fenetre = OuvreEtMontre();
    fenetre.resize(fenetre.width() + 1, fenetre.height() - 1);
    fenetre.DonneTailleScene(600, 480);
    EXPECT_EQ(fenetre.ClientWidth(), 600);
    EXPECT_EQ(fenetre.ClientHeight(), 480);
    fenetre.resize(700, 560);
    fenetre.DonneTailleScene(640, 510);
    EXPECT_EQ(fenetre.size(), QSize(700, 560));

    fenetre.resize(100, 100);
    const double echelle = std::min(double(fenetre.PB->width()) / fenetre.PB->Width(),
                                    double(fenetre.PB->height()) / fenetre.PB->Height());
    EXPECT_GE(echelle * fenetre.PB->Width() / NbColonnes, 47.5);
    EXPECT_GE(echelle * fenetre.PB->Height() / NbLignes, 35.5);
}

TEST_F(SdimainTest, TheTraceIsCreatedEmptiedAndClosed) {
    {
        QFile ancienne("espion.log");
        ASSERT_TRUE(ancienne.open(QIODevice::WriteOnly));
        ancienne.write("trace de la partie d'hier\n");
    }
    TSDIAppForm& fenetre = Ouvre();
    ASSERT_NE(fenetre.Espion, nullptr);
    QFile trace("espion.log");
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_FALSE(trace.readAll().startsWith("trace de la partie d'hier"));
    fenetre.close();
    EXPECT_EQ(fenetre.Espion, nullptr);
}

TEST_F(SdimainTest, AWindowWithoutTraceStillOpensAndCloses) {
    ASSERT_TRUE(QDir().mkdir("espion.log"));
    TSDIAppForm& fenetre = OuvreEtMontre();
    EXPECT_EQ(fenetre.Espion, nullptr);
    EXPECT_TRUE(fenetre.close());
    EXPECT_FALSE(LitIni().empty());
}

} // namespace
