// SPDX-License-Identifier: MIT
#include "app/platform/Endings.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>

namespace {

// The first request's arrival time decides which one is first: set once, by one exchange,
// whichever thread its handler runs on. Its number follows.
std::atomic<std::int64_t> arrivedAt{0};
std::atomic<int> received{0};
std::atomic<std::int64_t> patience{0};
static_assert(std::atomic<std::int64_t>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);

} // namespace

namespace Endings {

void SetPatience(std::chrono::milliseconds given) {
    patience = std::chrono::nanoseconds(given).count();
}

bool First(int number, std::int64_t at) {
    std::int64_t none = 0;
    // 0 means none yet: a clock that reads 0 still counts as arrived.
    if (!arrivedAt.compare_exchange_strong(none, std::max<std::int64_t>(at, 1))) {
        return false;
    }
    received = number;
    return true;
}

int Received() {
    return received;
}

bool PatienceOver(std::int64_t now) {
    return now - arrivedAt >= patience;
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

} // namespace Endings
