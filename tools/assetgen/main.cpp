// SPDX-License-Identifier: MIT
// Generates the default pictures and sounds of the game.
#include "Pack.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s EMOJI_PACKAGE FONT_FILE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    try {
        writePack({QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])},
                  QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
