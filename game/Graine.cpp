// SPDX-License-Identifier: MIT
#include "game/Graine.h"

namespace {

class GraineHorloge : public ISourceGraine {
public:
    std::time_t Graine() override { return std::time(nullptr); }
};

std::unique_ptr<ISourceGraine>& Source() {
    static std::unique_ptr<ISourceGraine> source = std::make_unique<GraineHorloge>();
    return source;
}

} // namespace

std::time_t GraineJeu() {
    return Source()->Graine();
}

void InstalleSourceGraine(std::unique_ptr<ISourceGraine> source) {
    Source() = source ? std::move(source) : std::make_unique<GraineHorloge>();
}
