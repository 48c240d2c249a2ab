// SPDX-License-Identifier: MIT
#include "app/platform/Signals.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEndings[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only records the signal and wakes the event loop through this pipe.
int wakeUp[2] = {-1, -1};
volatile std::sig_atomic_t received = 0;
// When the first one arrived, on the monotonic clock, and how long later ones wait. Written
// before any handler is set, or inside the handler, which no other ending interrupts.
timespec receivedAt{};
std::chrono::nanoseconds patience{};

bool PatienceOver() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const auto waited = std::chrono::seconds(now.tv_sec - receivedAt.tv_sec) +
                        std::chrono::nanoseconds(now.tv_nsec - receivedAt.tv_nsec);
    return waited >= patience;
}

void SetAction(int number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // One handler at a time: a second signal finds the first recorded.
    for (const int ending : kEndings) {
        sigaddset(&action.sa_mask, ending);
    }
    action.sa_flags = SA_RESTART;
    sigaction(number, &action, nullptr);
}

void OnEnding(int number) {
    if (received != 0) {
        if (PatienceOver()) {
            // Delivered with its default action as soon as this handler returns.
            SetAction(number, SIG_DFL);
            std::raise(number);
        }
        return;
    }
    ::clock_gettime(CLOCK_MONOTONIC, &receivedAt);
    received = number;
    const int saved = errno;
    const char byte = 1;
    if (::write(wakeUp[1], &byte, 1) < 0) {
        // Only a full pipe fails, and it already wakes the loop.
    }
    errno = saved;
}

// A modal window runs an event loop of its own: it is closed first, and the window only once
// every nested loop has returned, so that no caller goes on with a closed window beneath it.
void CloseWhenNothingAbove(const QPointer<QWidget>& window) {
    QWidget* above = QApplication::activeModalWidget();
    if (!above) {
        above = QApplication::activePopupWidget();
    }
    if (above || QThread::currentThread()->loopLevel() > 1) {
        if (above) {
            above->close();
        }
        QTimer::singleShot(10, [window] { CloseWhenNothingAbove(window); });
        return;
    }
    // The caller of a modal window may have closed it already on the answer it got.
    if (window && window->isVisible()) {
        window->close();
    }
}

} // namespace

namespace Signals {

void CloseOnTermination(QWidget& window, std::chrono::milliseconds patienceGiven) {
    patience = patienceGiven;
    if (::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window,
                     [notifier, target = QPointer<QWidget>(&window)] {
                         char bytes[16];
                         while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
                         }
                         notifier->setEnabled(false);
                         CloseWhenNothingAbove(target);
                     });
    for (const int ending : kEndings) {
        // One ignored by whoever started the program (nohup, a background job) stays so.
        struct sigaction current {};
        if (sigaction(ending, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
            SetAction(ending, OnEnding);
        }
    }
}

bool TerminationReceived() {
    return received != 0;
}

void EndAsTerminated() {
    const int number = received;
    if (number == 0) {
        return;
    }
    SetAction(number, SIG_DFL);
    std::raise(number);
}

} // namespace Signals
