// SPDX-License-Identifier: MIT
#include "FonctGen/UMessConf.h"
#include "app/Fenetres.h"
#include "app/sdimain.h"
#include "support/Coquille.h"
#include "windows/About.h"
#include "windows/Gagne.h"
#include "windows/UEnviron.h"
#include "windows/UOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>
#include <QWindow>

namespace {

using FenetresTest = CoquilleTest;

TEST_F(FenetresTest, CreatesTheSixWindowsHiddenAfterTheSettingsWereRead) {
    EcritIni("[Jeu]\nTypeJeu=1\n");
    {
        TFenetres fenetres;
        const std::vector<QWidget*> secondaires = {AboutBox, MessConf, Bravo, Options, Environ};
        ASSERT_NE(SDIAppForm, nullptr);
        for (QWidget* fenetre : secondaires) {
            ASSERT_NE(fenetre, nullptr);
            EXPECT_FALSE(fenetre->isVisible());
            // Only the main window keeps the program running.
            EXPECT_FALSE(fenetre->testAttribute(Qt::WA_QuitOnClose));
        }
        EXPECT_TRUE(SDIAppForm->testAttribute(Qt::WA_QuitOnClose));
        EXPECT_EQ(Options->findChild<QComboBox*>("ComboBox1")->currentText(), "Polaire");
    }
    EXPECT_EQ(SDIAppForm, nullptr);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_EQ(MessConf, nullptr);
    EXPECT_EQ(Bravo, nullptr);
    EXPECT_EQ(Options, nullptr);
    EXPECT_EQ(Environ, nullptr);
}

TEST_F(FenetresTest, ClosingTheMainWindowEndsTheProgramWhileTheViewerIsOpen) {
    TFenetres fenetres;
    FakeModal modal;
    SDIAppForm->show();
    Environ->Show();
    ASSERT_TRUE(Environ->isVisible());
    // Kept above the main window, and out of task lists.
    EXPECT_EQ(Environ->windowHandle()->transientParent(), SDIAppForm->windowHandle());
    QTimer::singleShot(0, SDIAppForm, [] { SDIAppForm->close(); });
    // Only reached when the program fails to end by itself.
    QTimer::singleShot(60000, SDIAppForm, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

} // namespace
