// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <chrono>
#include <cstdint>

class QWidget;

// What the platforms' ways of asking a program to end share: which request came first, when,
// and the close it asks for. Only the signal or control handlers of Signals use it.
namespace Endings {
// How long after the first request later ones wait for its close.
void SetPatience(std::chrono::milliseconds patience);
// Records request number (not 0), arrived at the given time in nanoseconds on a monotonic
// clock; true when it is the first. Lock-free, hence safe in a signal handler, and the first
// is the same on every thread.
bool First(int number, std::int64_t at);
// The first request's number, 0 while there is none.
int Received();
// True when now is patience or more after the first request.
bool PatienceOver(std::int64_t now);
// Closes window as its close box does, once every modal window above it has been closed as by
// its own close box and every nested event loop has returned. From the event loop.
void CloseWhenNothingAbove(const QPointer<QWidget>& window);
} // namespace Endings
