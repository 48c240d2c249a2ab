// SPDX-License-Identifier: MIT
// Generates the default pictures and sounds of the game.
#include "Pack.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption collection("collection",
                                        "Folder of real photographs and recordings to use.", "DIR");
    const QCommandLineOption source("collection-source",
                                    "Its source package and version, for the notices.", "TEXT");
    const QCommandLineOption licence("collection-licence", "Text of its licence.", "FILE");
    const QCommandLineOption notoLicence("noto-licence", "Text of Noto Emoji's licence.", "FILE");
    const QCommandLineOption speaker("speaker", "Speech synthesiser (espeak-ng) saying the names.",
                                     "PROGRAM", "espeak-ng");
    parser.addOptions({collection, source, licence, notoLicence, speaker});
    parser.addPositionalArgument("EMOJI_PACKAGE", "Installed fluentui-emoji npm package.");
    parser.addPositionalArgument("NOTO_PACKAGE", "Installed @iconify-json/noto-v1 npm package.");
    parser.addPositionalArgument("FONT_FILE", "Font of the photographs' captions.");
    parser.addPositionalArgument("OUTPUT_FOLDER", "Where the pack is written.");
    parser.process(application);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }
    try {
        writePack({arguments[0],
                   arguments[1],
                   parser.value(notoLicence),
                   arguments[2],
                   {parser.value(collection), parser.value(source), parser.value(licence)},
                   parser.value(speaker)},
                  arguments[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
