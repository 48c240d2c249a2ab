// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A collection of real photographs (PNG cut out on transparency) and recordings (Ogg Vorbis).
struct Collection {
    QString folder;      // absent or empty: every animal keeps its drawing and synthesised cry
    QString source;      // its source package and version, named in the notices
    QString licenceText; // file with the text of its licence, the GPL version 2; may be empty
};

struct PackSources {
    QString emojiPackage;    // the installed emoji package: icons/, LICENSE, package.json
    QString notoPackage;     // the installed Iconify set of Noto Emoji: icons.json, info.json
    QString notoLicenceText; // file with the text of its licence, Apache 2.0; may be empty
    QString fontFile;        // TrueType font for the photographs' captions
    Collection collection;
    QString speaker = "espeak-ng"; // speech synthesiser, for the names the collection lacks
};

// Writes every picture, sound and the licence notices under `folder`, creating it: the real
// photograph, cry and spoken name of an animal where the collection has them, its drawing,
// synthesised cry and synthesised name otherwise. A collection file that cannot be read only makes
// its animal fall back; what fell back is told on the standard error. The same sources always give
// the same bytes. Throws std::runtime_error on any other failure.
void writePack(const PackSources& sources, const QString& folder);
