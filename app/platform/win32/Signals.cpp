// SPDX-License-Identifier: MIT
#include "app/platform/Signals.h"
#include "app/platform/Endings.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <windows.h>

namespace {

QPointer<QWidget> target;
// Set once the window is closed: the system ends the program as soon as the handler of a
// console that closes returns, so that handler waits for it.
HANDLE closed = nullptr;
DWORD patienceMs = 0;

// Requests are numbered from 1 (0 means none): console control events, then the session's end.
constexpr int kSessionEnds = 100;

std::int64_t Now() {
    return static_cast<std::int64_t>(::GetTickCount64()) * 1'000'000;
}

// Console control handlers run on a thread of their own.
BOOL WINAPI OnControl(DWORD type) {
    if (Endings::First(static_cast<int>(type) + 1, Now())) {
        QMetaObject::invokeMethod(
            qApp, [] { Endings::CloseWhenNothingAbove(target); }, Qt::QueuedConnection);
    } else if (Endings::PatienceOver(Now())) {
        // The default handler then ends the program at once.
        return FALSE;
    }
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) {
        ::WaitForSingleObject(closed, patienceMs);
    }
    return TRUE;
}

// The session asks first (WM_QUERYENDSESSION): the window closes from the event loop.
void OnCommitData() {
    if (Endings::First(kSessionEnds, Now())) {
        Endings::CloseWhenNothingAbove(target);
    }
}

// WM_ENDSESSION quits, and the system ends the program as soon as it is handled: a close
// still waiting for a modal window's loop happens now, and the program ends with it, so that
// nothing goes on under a closed window.
void OnAboutToQuit() {
    if (Endings::Received() != 0 && target && target->isVisible()) {
        while (QWidget* above = QApplication::activeModalWidget()) {
            above->close();
            if (above->isVisible()) {
                break;
            }
        }
        target->close();
        Signals::EndAsTerminated();
    }
    ::SetEvent(closed);
}

} // namespace

namespace Signals {

void CloseOnTermination(QWidget& window, std::chrono::milliseconds patience) {
    Endings::SetPatience(patience);
    target = &window;
    patienceMs = static_cast<DWORD>(patience.count());
    closed = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, OnCommitData);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, OnAboutToQuit);
    // A windowed program has no console of its own: started from one, it takes that one's
    // Ctrl+C, Ctrl+Break and closing, as a program in a terminal does on Linux.
    ::AttachConsole(ATTACH_PARENT_PROCESS);
    ::SetConsoleCtrlHandler(OnControl, TRUE);
}

bool TerminationReceived() {
    return Endings::Received() != 0;
}

void EndAsTerminated() {
    if (Endings::Received() != 0) {
        ::ExitProcess(static_cast<UINT>(STATUS_CONTROL_C_EXIT));
    }
}

} // namespace Signals
