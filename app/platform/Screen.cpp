// SPDX-License-Identifier: MIT
#include "app/platform/Screen.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QScreen>

namespace {

class PrimaryWorkArea : public IWorkArea {
public:
    TRect Get() override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            return {};
        }
        return WorkAreaWithin(screen->availableGeometry(), screen->geometry(),
                              screen->devicePixelRatio());
    }
};

std::unique_ptr<IWorkArea>& Provider() {
    static std::unique_ptr<IWorkArea> provider = std::make_unique<PrimaryWorkArea>();
    return provider;
}

} // namespace

TRect WorkAreaWithin(const QRect& available, const QRect& screen, double ratio) {
    QRect area = available.intersected(screen);
    if (!qFuzzyCompare(ratio, 1.0)) {
        area.adjust(0, 0, area.right() < screen.right() ? -1 : 0,
                    area.bottom() < screen.bottom() ? -1 : 0);
    }
    return TRect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

TRect WorkArea() {
    return Provider()->Get();
}

void SetWorkArea(std::unique_ptr<IWorkArea> workArea) {
    Provider() = workArea ? std::move(workArea) : std::make_unique<PrimaryWorkArea>();
}

int ScreenBitsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->depth() : 24;
}

const QCursor& crVide() {
    // Made once and never destroyed: a cursor must not outlive the application object,
    // and static destruction runs after it.
    static const QCursor* cursor = [] {
        Q_INIT_RESOURCE(platform);
        const QBitmap bitmap(QStringLiteral(":/platform/vide.xbm"));
        const QBitmap mask(QStringLiteral(":/platform/vide_masque.xbm"));
        return new QCursor(bitmap, mask, 0, 0);
    }();
    return *cursor;
}
