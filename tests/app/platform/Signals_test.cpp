// SPDX-License-Identifier: MIT
#include "app/platform/Signals.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The handlers belong to the whole process: each case runs in a child of its own.
class SignalsTest : public testing::Test {
protected:
    SignalsTest() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

class Fenetre : public QWidget {
public:
    int fermetures = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++fermetures;
        QWidget::closeEvent(event);
    }
};

// Shows fenetre with a modal dialog over it, from the event loop as the program's handlers
// run, and sends numero while the dialog is open; suite then runs as the dialog's caller,
// with the dialog's answer. The loop runs for a few seconds at most.
void SignalSousUnDialogue(Fenetre& fenetre, int numero, const std::function<void(int)>& suite) {
    fenetre.show();
    QDialog dialogue(&fenetre);
    Signals::CloseOnTermination(fenetre);
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [numero] { std::raise(numero); });
        suite(dialogue.exec());
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(9); });
    if (QCoreApplication::exec() == 9) {
        std::_Exit(9);
    }
}

// The modal window is closed as by its close box; the window only once every nested loop has
// returned; the program then ends by the signal, as its parent expects.
TEST_F(SignalsTest, ASignalClosesTheModalWindowThenTheWindowAndEndsByIt) {
    EXPECT_EXIT(
        {
            Fenetre fenetre;
            SignalSousUnDialogue(fenetre, SIGTERM, [&](int reponse) {
                if (reponse != QDialog::Rejected)
                    std::_Exit(1);
                // The caller goes on in a loop of its own (a menu, a drag): still no close.
                QEventLoop suite;
                QTimer::singleShot(100, &suite, &QEventLoop::quit);
                suite.exec();
                if (fenetre.fermetures != 0)
                    std::_Exit(4);
            });
            if (fenetre.fermetures != 1 || fenetre.isVisible() || !Signals::TerminationReceived())
                std::_Exit(2);
            Signals::EndAsTerminated();
            std::_Exit(3);
        },
        testing::KilledBySignal(SIGTERM), "");
}

// A caller that closes the window on its modal window's answer: closed once only.
TEST_F(SignalsTest, AWindowClosedByTheModalsCallerIsNotClosedAgain) {
    EXPECT_EXIT(
        {
            QApplication::setQuitOnLastWindowClosed(false);
            Fenetre fenetre;
            SignalSousUnDialogue(fenetre, SIGHUP, [&](int reponse) {
                if (reponse != QDialog::Accepted)
                    fenetre.close();
                QTimer::singleShot(300, [] { QCoreApplication::exit(0); });
            });
            std::_Exit(fenetre.fermetures == 1 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// A signal that whoever started the program ignores (nohup) stays ignored; the first one, on
// whichever thread, is first on all of them: a second one waits for the close on its way,
// only a late one ends the program at once.
TEST_F(SignalsTest, AnIgnoredSignalStaysSoAndOnlyALateSecondOneEndsAtOnce) {
    EXPECT_EXIT(
        {
            Fenetre fenetre;
            std::signal(SIGHUP, SIG_IGN);
            Signals::CloseOnTermination(fenetre, std::chrono::milliseconds(200));
            std::raise(SIGHUP);
            if (Signals::TerminationReceived())
                std::_Exit(3);
            std::thread([] { std::raise(SIGINT); }).join();
            if (!Signals::TerminationReceived())
                std::_Exit(1);
            std::raise(SIGTERM);
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            std::raise(SIGINT);
            std::_Exit(2);
        },
        testing::KilledBySignal(SIGINT), "");
}

} // namespace
