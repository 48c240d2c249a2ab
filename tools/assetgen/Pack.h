// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct PackSources {
    QString emojiPackage; // the installed emoji package: icons/, LICENSE, package.json
    QString fontFile;     // TrueType font for the photographs' captions
};

// Writes every picture, sound and the art's licence notice under `folder`, creating it.
// The same sources always give the same bytes. Throws std::runtime_error on any failure.
void writePack(const PackSources& sources, const QString& folder);
