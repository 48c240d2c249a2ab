// SPDX-License-Identifier: MIT
// Benchmarks of the game, offscreen and silent, each figure printed beside its reference.
#include "FonctGen/FonctGen.h"
#include "app/platform/Screen.h"
#include "bench/Banc.h"
#include "bench/Mesure.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

Partie* partieCourante = nullptr;

} // namespace

Partie& PartieCourante() {
    return *partieCourante;
}

int main(int argc, char* argv[]) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    InitFormatJpeg(ScreenBitsPerPixel());

    const auto partie = std::make_unique<Partie>(kEcranLarge);
    partieCourante = partie.get();
    mesure::Resume resume;
    benchmark::RunSpecifiedBenchmarks(&resume);
    partieCourante = nullptr;
    benchmark::Shutdown();
    return partie->silence.messages == 0 ? 0 : 2;
}
