// SPDX-License-Identifier: MIT
#include "app/Fenetres.h"
#include "app/sdimain.h"
#include "support/Coquille.h"
#include "windows/UOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

namespace {

class UOptionsTest : public CoquilleTest {
protected:
    template <class Controle> Controle* Trouve(const char* nom) const {
        return Options->findChild<Controle*>(nom);
    }
    QComboBox* Environnement() const { return Trouve<QComboBox>("ComboBox1"); }
    QComboBox* Nombre() const { return Trouve<QComboBox>("ComboBox2"); }
    QSpinBox* Fleches() const { return Trouve<QSpinBox>("UpDown1"); }
    // Presses an arrow with the mouse: the upper one raises the number.
    void Fleche(bool haut, int fois) const {
        QSpinBox* fleches = Fleches();
        QStyleOptionSpinBox option;
        option.initFrom(fleches);
        option.frame = fleches->hasFrame();
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        const QPoint point =
            fleches->style()
                ->subControlRect(QStyle::CC_SpinBox, &option,
                                 haut ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, fleches)
                .center();
        for (int i = 0; i < fois; ++i) {
            QTest::mouseClick(fleches, Qt::LeftButton, {}, point);
        }
    }
    static void Remplace(QComboBox* boite, const QString& texte) {
        boite->lineEdit()->selectAll();
        QTest::keyClicks(boite->lineEdit(), texte);
    }
    // Shows the dialog modally, runs action in it, and returns the answer.
    int Montre(const std::function<void()>& action) const {
        QuandVisible(*Options, action);
        return Options->ShowModal();
    }
    void Clique(const char* bouton) const {
        QTest::mouseClick(Trouve<QPushButton>(bouton), Qt::LeftButton);
    }

    TFenetres fenetres;
    TSDIAppForm& fenetre = *SDIAppForm;
};

TEST_F(UOptionsTest, LayoutAsDesigned) {
    EXPECT_EQ(Options->windowTitle(), "Options");
    EXPECT_EQ(Options->size(), QSize(331, 205));
    EXPECT_EQ(Options->minimumSize(), Options->maximumSize());
    EXPECT_EQ(Options->pos(), QPoint(308, 119));
    EXPECT_TRUE(Options->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(Options->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Trouve<QWidget>("UpDown1")->geometry(), QRect(217, 40, 15, 21));
    EXPECT_EQ(Trouve<QWidget>("RadioGroup1")->geometry(), QRect(168, 104, 113, 49));
    EXPECT_EQ(Trouve<QPushButton>("Annuler")->geometry(), QRect(240, 168, 75, 25));
    EXPECT_EQ(Trouve<QCheckBox>("CheckBox2")->text(), "Image dans l'environnement");

    QStringList items;
    for (int i = 0; i < Environnement()->count(); ++i) {
        items << Environnement()->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"Savane", "Polaire", "Ferme"}));
    EXPECT_EQ(Nombre()->count(), 10);
    EXPECT_EQ(Nombre()->itemText(9), "10");

    QStringList ordre;
    QWidget* controle = Environnement();
    do {
        ordre << controle->objectName();
        controle = controle->nextInFocusChain();
        while (controle->focusPolicy() == Qt::NoFocus || controle->objectName().isEmpty() ||
               controle->objectName().startsWith("qt_")) {
            controle = controle->nextInFocusChain();
        }
    } while (controle != Environnement());
    EXPECT_EQ(ordre, QStringList({"ComboBox1", "ComboBox2", "UpDown1", "OK", "Annuler", "CheckBox1",
                                  "CheckBox2", "Persiste", "Disparait", "CheckBox3", "CheckBox4",
                                  "Voix"}));
}

TEST_F(UOptionsTest, ShowsTheCurrentSettingsAndAnnulerWritesNothing) {
    fenetre.TypeJeu = 1;
    fenetre.MaxAnim[1] = 7;
    fenetre.DessCases = false;
    fenetre.ChoixImage = 1;
    fenetre.Bruitage = false;
    const int reponse = Montre([&] {
        EXPECT_EQ(Environnement()->currentText(), "Polaire");
        EXPECT_EQ(Nombre()->currentText(), "7");
        EXPECT_EQ(Fleches()->value(), 7);
        EXPECT_FALSE(Trouve<QCheckBox>("CheckBox1")->isChecked());
        EXPECT_TRUE(Trouve<QCheckBox>("CheckBox2")->isChecked());
        EXPECT_TRUE(Trouve<QRadioButton>("Disparait")->isChecked());
        EXPECT_FALSE(Trouve<QCheckBox>("CheckBox3")->isChecked());
        QTest::mouseClick(Trouve<QCheckBox>("CheckBox3"), Qt::LeftButton);
        Fleche(true, 2);
        Clique("Annuler");
    });
    EXPECT_EQ(reponse, mrCancel);
    EXPECT_EQ(fenetre.MaxAnim[1], 7);
    EXPECT_FALSE(fenetre.Bruitage);

    // The next opening shows the settings again, not what was left in the dialog.
    Montre([&] {
        EXPECT_EQ(Fleches()->value(), 7);
        EXPECT_FALSE(Trouve<QCheckBox>("CheckBox3")->isChecked());
        Options->close();
    });
    EXPECT_EQ(Options->ModalResult(), mrCancel);
    EXPECT_FALSE(fenetre.Bruitage);
}

// The names are said only with the sounds: their box answers only then.
TEST_F(UOptionsTest, TheNamesBoxFollowsTheSoundBox) {
    fenetre.Bruitage = false;
    fenetre.DitNom = false;
    Montre([&] {
        EXPECT_EQ(Trouve<QCheckBox>("CheckBox4")->text(), "Dire le nom des animaux");
        EXPECT_FALSE(Trouve<QCheckBox>("CheckBox4")->isEnabled());
        Trouve<QCheckBox>("CheckBox3")->click();
        EXPECT_TRUE(Trouve<QCheckBox>("CheckBox4")->isEnabled());
        Trouve<QCheckBox>("CheckBox4")->click();
        Clique("OK");
    });
    EXPECT_TRUE(fenetre.Bruitage);
    EXPECT_TRUE(fenetre.DitNom);
}

TEST_F(UOptionsTest, OKWithoutChangesKeepsTheSettingsAndAnswersYes) {
    EXPECT_EQ(Montre([&] { Clique("OK"); }), mrYes);
    EXPECT_EQ(fenetre.TypeJeu, 0);
    EXPECT_EQ(fenetre.MaxAnim[0], 5);
    EXPECT_EQ(fenetre.MaxAnim[1], 5);
    EXPECT_TRUE(fenetre.DessCases);
    EXPECT_TRUE(fenetre.DessEnviron);
    EXPECT_EQ(fenetre.ChoixImage, 0);
    EXPECT_TRUE(fenetre.Bruitage);
}

TEST_F(UOptionsTest, PolaireWithEightAnimals) {
    fenetre.MaxAnim[0] = 4;
    fenetre.MaxAnim[1] = 6;
    const int reponse = Montre([&] {
        QTest::keyClick(Environnement(), Qt::Key_Down);
        EXPECT_EQ(Environnement()->currentText(), "Polaire");
        EXPECT_EQ(Nombre()->currentText(), "6");
        Fleche(true, 2);
        EXPECT_EQ(Nombre()->currentText(), "8");
        QTest::mouseClick(Trouve<QRadioButton>("Disparait"), Qt::LeftButton);
        QTest::mouseClick(Trouve<QCheckBox>("CheckBox1"), Qt::LeftButton);
        Clique("OK");
    });
    EXPECT_EQ(reponse, mrYes);
    EXPECT_EQ(fenetre.TypeJeu, 1);
    EXPECT_EQ(fenetre.MaxAnim[1], 8);
    EXPECT_EQ(fenetre.MaxAnim[0], 4);
    EXPECT_EQ(fenetre.ChoixImage, 1);
    EXPECT_FALSE(fenetre.DessCases);
}

TEST_F(UOptionsTest, TheArrowsStopAtOneAndTen) {
    Montre([&] {
        Fleche(false, 12);
        EXPECT_EQ(Fleches()->value(), 1);
        EXPECT_EQ(Nombre()->currentText(), "1");
        Fleche(true, 15);
        EXPECT_EQ(Fleches()->value(), 10);
        EXPECT_EQ(Nombre()->currentText(), "10");
        Clique("OK");
    });
    EXPECT_EQ(fenetre.MaxAnim[0], 10);
}

TEST_F(UOptionsTest, TypedNumbersMoveTheArrowsWithinBounds) {
    Montre([&] {
        Remplace(Nombre(), "7");
        EXPECT_EQ(Fleches()->value(), 7);
        Remplace(Nombre(), "beaucoup");
        EXPECT_EQ(Fleches()->value(), 7);
        Clique("OK");
    });
    EXPECT_EQ(fenetre.MaxAnim[0], 7);

    Montre([&] {
        Remplace(Nombre(), "99");
        Clique("OK");
    });
    EXPECT_EQ(fenetre.MaxAnim[0], 10);

    Montre([&] {
        Remplace(Nombre(), "0");
        Clique("OK");
    });
    EXPECT_EQ(fenetre.MaxAnim[0], 1);
}

TEST_F(UOptionsTest, TypedEnvironmentsAreMatchedWithoutCapitals) {
    Montre([&] {
        Remplace(Environnement(), "polaire");
        Clique("OK");
    });
    EXPECT_EQ(fenetre.TypeJeu, 1);

    fenetre.MaxAnim[1] = 5;
    Montre([&] {
        Remplace(Environnement(), "Banquise");
        Fleche(true, 1);
        Clique("OK");
    });
    EXPECT_EQ(fenetre.TypeJeu, 1);
    EXPECT_EQ(fenetre.MaxAnim[1], 6);
}

TEST_F(UOptionsTest, AnUnknownEnvironmentShowsNoChoiceAndBecomesTheSavanna) {
    fenetre.TypeJeu = 7;
    fenetre.ChoixImage = 3;
    Montre([&] {
        EXPECT_EQ(Environnement()->currentIndex(), -1);
        EXPECT_TRUE(Environnement()->currentText().isEmpty());
        EXPECT_EQ(Fleches()->value(), 5);
        EXPECT_TRUE(Trouve<QRadioButton>("Persiste")->isChecked());
        Clique("OK");
    });
    EXPECT_EQ(fenetre.TypeJeu, 0);
    EXPECT_EQ(fenetre.MaxAnim[0], 5);
    EXPECT_EQ(fenetre.ChoixImage, 0);
}

TEST_F(UOptionsTest, CountsOutOfRangeAreShownWithinIt) {
    fenetre.MaxAnim[0] = 40;
    fenetre.MaxAnim[1] = -2;
    Montre([&] {
        EXPECT_EQ(Fleches()->value(), 10);
        QTest::keyClick(Environnement(), Qt::Key_Down);
        EXPECT_EQ(Fleches()->value(), 1);
        Clique("OK");
    });
    EXPECT_EQ(fenetre.MaxAnim[0], 40);
    EXPECT_EQ(fenetre.MaxAnim[1], 1);
}

TEST_F(UOptionsTest, EnterAndEscapeDoNotEndTheDialog) {
    const int reponse = Montre([&] {
        for (QWidget* cible : std::initializer_list<QWidget*>{
                 Environnement()->lineEdit(), Nombre()->lineEdit(), Trouve<QWidget>("OK"),
                 Trouve<QWidget>("Annuler"), Trouve<QWidget>("CheckBox1"), Options}) {
            QTest::keyClick(cible, Qt::Key_Return);
            QTest::keyClick(cible, Qt::Key_Enter);
            QTest::keyClick(cible, Qt::Key_Escape);
        }
        EXPECT_TRUE(Options->isVisible());
        Clique("Annuler");
    });
    EXPECT_EQ(reponse, mrCancel);
    EXPECT_EQ(Environnement()->count(), kNbEnvironnements);
}

} // namespace
