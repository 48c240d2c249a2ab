// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

class QWidget;

// The requests that ask a program to end. On Linux the signals SIGTERM (kill, a session that
// ends), SIGINT (Ctrl+C) and SIGHUP (a terminal that goes away); on Windows the console's
// Ctrl+C, Ctrl+Break and closing, and the end of the session (log off, shut down), which
// closes the window before the session ends, whatever is open.
namespace Signals {
// From now on each of them closes window as its close box does, from the event loop, once
// every modal window has been closed as by its own close box. Endings come in pairs (a
// session sends SIGTERM then SIGHUP, a closed terminal SIGHUP twice): more of them within
// patience of the first wait for that close; one after it, the close being stuck, ends the
// program at once.
void CloseOnTermination(QWidget& window,
                        std::chrono::milliseconds patience = std::chrono::seconds(3));
// True once one of them has arrived.
bool TerminationReceived();
// After the event loop: ends the program by the signal that closed it (on Windows with the
// status of a program ended by Ctrl+C), so that whoever started it sees how it ended; returns
// when there was none.
void EndAsTerminated();
} // namespace Signals
