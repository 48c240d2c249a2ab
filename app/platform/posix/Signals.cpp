// SPDX-License-Identifier: MIT
#include "app/platform/Signals.h"
#include "app/platform/Endings.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kEndings[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only records the signal and wakes the event loop through this pipe.
int wakeUp[2] = {-1, -1};

// clock_gettime, unlike the standard clocks, is async-signal-safe.
std::int64_t Now() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void SetAction(int number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // One handler at a time on this thread; another thread may take one meanwhile.
    for (const int ending : kEndings) {
        sigaddset(&action.sa_mask, ending);
    }
    action.sa_flags = SA_RESTART;
    sigaction(number, &action, nullptr);
}

void OnEnding(int number) {
    if (!Endings::First(number, Now())) {
        if (Endings::PatienceOver(Now())) {
            // Delivered with its default action as soon as this handler returns.
            SetAction(number, SIG_DFL);
            std::raise(number);
        }
        return;
    }
    const int saved = errno;
    const char byte = 1;
    if (::write(wakeUp[1], &byte, 1) < 0) {
        // Only a full pipe fails, and it already wakes the loop.
    }
    errno = saved;
}

} // namespace

namespace Signals {

void CloseOnTermination(QWidget& window, std::chrono::milliseconds patience) {
    Endings::SetPatience(patience);
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
                         Endings::CloseWhenNothingAbove(target);
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
    return Endings::Received() != 0;
}

void EndAsTerminated() {
    const int number = Endings::Received();
    if (number == 0) {
        return;
    }
    SetAction(number, SIG_DFL);
    std::raise(number);
}

} // namespace Signals
