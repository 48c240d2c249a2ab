// SPDX-License-Identifier: MIT
#include "Pack.h"

#include "Animals.h"
#include "Art.h"
#include "Bird.h"
#include "Landscape.h"
#include "Photo.h"
#include "Pictures.h"
#include "Recording.h"
#include "Sounds.h"
#include "Speech.h"
#include "Wav.h"

#include "game/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

constexpr int kSpriteArtSize = 140;
constexpr int kJpegQuality = 90;
const QSize kBackgroundSize(1024, 768);
const QString kMadeByUs = "made by Kornibelle's generator: MIT";
const QString kSynthesisedByUs = "synthesised by Kornibelle's generator: MIT";

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

// A file of the game's catalogue as the pack names it, relative to its folder ("Savane/X.bmp").
QString packName(const std::string& catalogueName) {
    return QDir::cleanPath(QString::fromStdString(catalogueName));
}

// An animal's files in the pack.
struct AnimalFiles {
    QString spriteG;
    QString spriteD;
    QString photograph;
    QString sound;
    QString name;
};

AnimalFiles animalFiles(Environment environment, int index) {
    const auto file = [&](char letter) {
        return packName(CheminCatalogue(static_cast<int>(environment), index, letter));
    };
    return {file('G'), file('D'), file('I'), file('S'), file('N')};
}

// Writes the pack's files and remembers where each one comes from.
class Writer {
public:
    explicit Writer(const QString& folder) : root_(folder) {}

    void picture(const QImage& image, const QString& name, const QString& origin) {
        const bool jpeg = name.endsWith(".jpg");
        QImageWriter writer(path(name), jpeg ? "jpeg" : "bmp");
        if (jpeg) {
            writer.setQuality(kJpegQuality);
            writer.setOptimizedWrite(false);
            writer.setProgressiveScanWrite(false);
        }
        // RGB32 is written as a 24-bit bitmap; JPEG gets no alpha.
        if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
            fail("cannot write " + writer.fileName() + ": " + writer.errorString());
        }
        origins_[name] = origin;
    }

    void file(const QByteArray& bytes, const QString& name, const QString& origin = {}) {
        QFile out(path(name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size() || !out.flush()) {
            fail("cannot write " + out.fileName() + ": " + out.errorString());
        }
        if (!origin.isEmpty()) {
            origins_[name] = origin;
        }
    }

    // Every file written with an origin, in name order.
    QByteArray origins() const {
        QByteArray out = "Kornibelle: where each file of the default pictures and sounds comes "
                         "from, and its licence\n\n";
        for (const auto& [name, origin] : origins_) {
            out += name.toUtf8() + "\n    " + origin.toUtf8() + "\n";
        }
        return out;
    }

private:
    QString path(const QString& name) const {
        const QString full = root_.filePath(name);
        if (!QDir().mkpath(QFileInfo(full).absolutePath())) {
            fail("cannot create the folder of " + full);
        }
        return full;
    }

    QDir root_;
    std::map<QString, QString> origins_;
};

QByteArray readFile(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        fail("cannot read " + path + ": " + in.errorString());
    }
    return in.readAll();
}

QFont captionFont(const QString& fontFile) {
    const int id = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        fail("cannot load the font " + fontFile);
    }
    QFont font(families.front());
    font.setPixelSize(44);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QString packageVersion(const QString& package) {
    return QJsonDocument::fromJson(readFile(package + "/package.json"))
        .object()
        .value("version")
        .toString();
}

// A licence's text from `file`, else where to read it.
QByteArray licenceText(const QString& file, const QByteArray& name, const QByteArray& address) {
    if (file.isEmpty()) {
        return "The licence: " + address + "\n";
    }
    return "The text of the " + name + ", follows.\n\n" + readFile(file);
}

QByteArray emojiNotice(const QString& package) {
    QByteArray notice = "Kornibelle: default pictures and sounds\n\n"
                        "The drawn animals come from the \"fluentui-emoji\" package, version ";
    notice += packageVersion(package).toUtf8();
    notice += ",\nbuilt on Microsoft's Fluent Emoji, both published under the MIT licence,\n"
              "whose text follows; the crocodile comes from Noto Emoji (noto-emoji.txt).\n"
              "The landscapes, the bird and the synthesised sounds are made by Kornibelle's\n"
              "own generator (MIT). LICENCES/files.txt tells file by file.\n\n";
    notice += readFile(package + "/LICENSE");
    return notice;
}

QByteArray notoNotice(const PackSources& sources) {
    const QJsonObject info =
        QJsonDocument::fromJson(readFile(sources.notoPackage + "/info.json")).object();
    const QJsonObject author = info.value("author").toObject();
    const QJsonObject licence = info.value("license").toObject();
    return "Kornibelle: default pictures and sounds\n\n"
           "The drawn crocodile, on the board and in its photograph, is rendered by\n"
           "Kornibelle's generator from " +
           info.value("name").toString().toUtf8() + " by " +
           author.value("name").toString().toUtf8() + "\n(" +
           author.value("url").toString().toUtf8() + "), in the \"@iconify-json/noto-v1\"\n" +
           "package, version " + packageVersion(sources.notoPackage).toUtf8() +
           ", published under the " + licence.value("spdx").toString().toUtf8() +
           " licence.\nLICENCES/files.txt tells file by file.\n\n" +
           licenceText(sources.notoLicenceText, "Apache License, Version 2.0",
                       "https://www.apache.org/licenses/LICENSE-2.0");
}

QByteArray collectionNotice(const Collection& collection) {
    return "Kornibelle: real photographs and recordings\n\n"
           "The board pictures, photographs, cries and spoken names that LICENCES/files.txt\n"
           "says come from " +
           collection.source.toUtf8() +
           " are made from the files it names there, of Tux Paint's stamps\n"
           "(Debian package tuxpaint-stamps-default), © 2002-2022 Bill Kendrick and\n"
           "the contributors named there, by Kornibelle's generator (tools/assetgen in\n"
           "Kornibelle's sources): those files and the generator are their sources.\n\n"
           "They are free software: you can redistribute them and/or modify them under\n"
           "the terms of the GNU General Public License as published by the Free\n"
           "Software Foundation, either version 2 of the License, or (at your option)\n"
           "any later version. They are distributed WITHOUT ANY WARRANTY; without even\n"
           "the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.\n\n" +
           licenceText(collection.licenceText, "GNU General Public License, version 2",
                       "https://www.gnu.org/licenses/old-licenses/gpl-2.0.html");
}

// An animal's files, real where the collection has them, drawn and synthesised otherwise.
class AnimalWriter {
public:
    AnimalWriter(Writer& writer, const PackSources& sources)
        : writer_(writer), sources_(sources), drawings_(sources.emojiPackage, sources.notoPackage),
          drawnBy_("drawing of Fluent Emoji (fluentui-emoji " +
                   packageVersion(sources.emojiPackage) + ")"),
          drawnByNoto_("drawing of Noto Emoji, first version (@iconify-json/noto-v1 " +
                       packageVersion(sources.notoPackage) + ")"),
          font_(captionFont(sources.fontFile)),
          synthesisedBy_("synthesised by Kornibelle's generator with " +
                         synthesiserVersion(sources.speaker) + ", its French voice slowed: MIT"),
          collectionThere_(!sources.collection.folder.isEmpty() &&
                           QFileInfo(sources.collection.folder).isDir()) {}

    void write(const Animal& animal, Environment environment, int indexInEnvironment) {
        const AnimalFiles files = animalFiles(environment, indexInEnvironment);
        if (const auto cutOut = realCutOut(animal, files.photograph)) {
            const QString source =
                fromCollection(animal.real.photograph, animal.real.photographBy) +
                (animal.real.scenery.empty() ? "" : ", its scenery cut away");
            writeSprites(files, fitted(*cutOut, kSpriteArtSize),
                         "cut-out " + source + ", as a sticker" + kGpl);
            writer_.picture(
                photographOf(environment, indexInEnvironment, *cutOut, animal.real.caption),
                files.photograph,
                "photograph " + source + ", on a landscape made by Kornibelle's generator" + kGpl);
            usedCollection_ = true;
            writeName(spokenCaption(animal.real), animal.real, files.name);
        } else {
            drawn_ << files.photograph;
            const bool noto = animal.emojiSet == EmojiSet::Noto;
            const QString& drawnBy = noto ? drawnByNoto_ : drawnBy_;
            const char* licence = noto ? kApache : kMit;
            writeSprites(files, drawings_.art(animal, kSpriteArtSize), drawnBy + licence);
            writer_.picture(photographOf(environment, indexInEnvironment,
                                         drawings_.art(animal, kPhotoArtSize), animal.frenchName),
                            files.photograph,
                            drawnBy + " on a landscape made by Kornibelle's generator" + licence);
            writeName({}, RealAnimal{.caption = animal.frenchName}, files.name);
        }
        writeCry(animal, files.sound);
    }

    // Tells once which animals kept their drawing or synthesised cry.
    void reportFallbacks() const {
        if (!collectionThere_) {
            std::fprintf(stderr,
                         "assetgen: no collection of real photographs and recordings (\"%s\"): "
                         "every photograph is drawn and every cry synthesised\n",
                         qPrintable(sources_.collection.folder));
            return;
        }
        const auto list = [](const QStringList& names) {
            return names.isEmpty() ? QString("none") : names.join(", ");
        };
        std::fprintf(stderr,
                     "assetgen: drawn photographs: %s\nassetgen: synthesised cries: %s\n"
                     "assetgen: synthesised names: %s\n",
                     qPrintable(list(drawn_)), qPrintable(list(synthesised_)),
                     qPrintable(list(synthesisedNames_)));
    }

    bool usedCollection() const { return usedCollection_; }

private:
    static constexpr const char* kMit = ": MIT (fluentui-emoji.txt)";
    static constexpr const char* kApache = ": Apache-2.0 (noto-emoji.txt)";
    static constexpr const char* kGpl = ": GPL version 2 or later (tuxpaint-stamps.txt)";
    // The collection's French descriptions, after its changelog.
    static constexpr const char* kSpokenBy = "spoken by Jacques Chion";

    // Both board pictures, the second the mirror image of the first, from the animal's art.
    void writeSprites(const AnimalFiles& files, const QImage& art, const QString& origin) {
        const QImage sprite = boardSprite(art);
        writer_.picture(sprite, files.spriteG, origin);
        writer_.picture(sprite.mirrored(true, false), files.spriteD, origin);
    }

    // The landscape behind an animal's photograph, one scene of its environment's run: the
    // savanna's run starts one scene further on, as the pack always had it.
    QImage photographOf(Environment environment, int indexInEnvironment, const QImage& art,
                        const char* caption) const {
        const int scene = indexInEnvironment + (environment == Environment::Savanna ? 1 : 0);
        return photograph(art, environment, scene % 2, scene + 1, QString::fromUtf8(caption),
                          font_);
    }

    // The collection's cut-out of the animal without its scenery, when it has a readable one.
    std::optional<QImage> realCutOut(const Animal& animal, const QString& photograph) {
        const auto real = realFile(animal.real.photograph, photograph);
        if (!real) {
            return std::nullopt;
        }
        QImageReader reader(*real);
        QImage art = reader.read();
        if (art.isNull()) {
            tellUnusable(*real, reader.errorString(), photograph);
            return std::nullopt;
        }
        art.convertTo(QImage::Format_ARGB32_Premultiplied);
        const auto& scenery = animal.real.scenery;
        cutAway(art, QPolygon(QList<QPoint>(scenery.begin(), scenery.end())));
        return art;
    }

    void writeCry(const Animal& animal, const QString& sound) {
        if (const auto real = realFile(animal.real.recording, sound)) {
            try {
                const synth::Signal recording = decodeOgg(*real, kDecodedSeconds);
                writer_.file(wavFile(recordedCry(recording)), sound,
                             "recording " +
                                 fromCollection(animal.real.recording, animal.real.recordingBy) +
                                 ", cut, faded and levelled" + kGpl);
                usedCollection_ = true;
                return;
            } catch (const std::runtime_error& error) {
                tellUnusable(*real, QString::fromLocal8Bit(error.what()), sound);
            }
        }
        synthesised_ << sound;
        writer_.file(wavFile(cry(animal.cry)), sound, kSynthesisedByUs);
    }

    // The collection's recording of a photograph's French description ("<stamp>_desc_fr.ogg"),
    // when its text ("fr.utf8=Un tigre." in "<stamp>.txt") says the caption ("Un tigre"), article
    // included; empty otherwise ("Un pingouin." for "Un manchot").
    QByteArray spokenCaption(const RealAnimal& real) const {
        const QByteArray stamp = QByteArray(real.photograph).chopped(4); // without ".png"
        QFile text(QDir(sources_.collection.folder).filePath(QString::fromUtf8(stamp + ".txt")));
        if (!text.open(QIODevice::ReadOnly)) {
            return {};
        }
        for (const QByteArray& line : text.readAll().split('\n')) {
            if (line.startsWith("fr.utf8=") && saysCaption(withoutFullStop(line.mid(8)), real)) {
                return stamp + "_desc_fr.ogg";
            }
        }
        return {};
    }

    // The whole description, or, where the recording is cut at a pause, its first words.
    static bool saysCaption(const QByteArray& description, const RealAnimal& real) {
        const QByteArray caption(real.caption);
        return description == caption ||
               (real.nameEndsSeconds > 0.0 && description.startsWith(caption + ' '));
    }

    static QByteArray withoutFullStop(QByteArray sentence) {
        sentence = sentence.trimmed();
        if (sentence.endsWith('.')) {
            sentence.chop(1);
        }
        return sentence;
    }

    // The name the picture shows, said: the collection's recording of it where there is one.
    void writeName(const QByteArray& recording, const RealAnimal& animal, const QString& name) {
        const char* caption = animal.caption;
        if (const auto real = realFile(recording.isEmpty() ? nullptr : recording.data(), name)) {
            const double seconds =
                animal.nameEndsSeconds > 0.0 ? animal.nameEndsSeconds : kDecodedSeconds;
            try {
                writer_.file(wavFile(spokenName(decodeOgg(*real, seconds))), name,
                             "spoken name, recording " +
                                 fromCollection(recording.data(), kSpokenBy) +
                                 ", cut and levelled" + kGpl);
                return;
            } catch (const std::runtime_error& error) {
                tellUnusable(*real, QString::fromLocal8Bit(error.what()), name);
            }
        }
        synthesisedNames_ << name;
        const QString text = QString::fromUtf8(caption);
        writer_.file(wavFile(spokenName(spokenBySynthesiser(sources_.speaker, text))), name,
                     "spoken name « " + text + " », " + synthesisedBy_);
    }

    // The collection's file for a pack file, when the collection has one.
    std::optional<QString> realFile(const char* relative, const QString& packFile) {
        if (!collectionThere_ || relative == nullptr) {
            return std::nullopt;
        }
        const QString path = QDir(sources_.collection.folder).filePath(relative);
        if (!QFileInfo(path).isFile()) {
            tellUnusable(path, "no such file", packFile);
            return std::nullopt;
        }
        return path;
    }

    QString fromCollection(const char* relative, const char* by) const {
        return QString("%1 of %2, %3")
            .arg(relative, sources_.collection.source, QString::fromUtf8(by));
    }

    static void tellUnusable(const QString& path, const QString& why, const QString& packFile) {
        std::fprintf(stderr, "assetgen: %s cannot be used (%s): %s falls back\n", qPrintable(path),
                     qPrintable(why), qPrintable(packFile));
    }

    Writer& writer_;
    const PackSources& sources_;
    Drawings drawings_;
    QString drawnBy_;
    QString drawnByNoto_;
    QFont font_;
    QString synthesisedBy_;
    bool collectionThere_;
    bool usedCollection_ = false;
    QStringList drawn_;
    QStringList synthesised_;
    QStringList synthesisedNames_;
};

void writeAnimals(Writer& writer, const PackSources& sources) {
    AnimalWriter animalWriter(writer, sources);
    for (const Environment environment : kEnvironments) {
        const std::span<const Animal> drawn = animals(environment);
        for (int index = 0; index < static_cast<int>(drawn.size()); ++index) {
            animalWriter.write(drawn[index], environment, index);
        }
    }
    animalWriter.reportFallbacks();
    if (animalWriter.usedCollection()) {
        writer.file(collectionNotice(sources.collection), "LICENCES/tuxpaint-stamps.txt");
    }
}

// The wings' height (flightFrame's number) in each flight frame of the catalogue, in its order.
constexpr int kWingsInFlight[] = {6, 5, 4, 3, 2, 3, 5};
static_assert(std::size(kWingsInFlight) == std::size(kOiseauVol));

void writeScenery(Writer& writer) {
    for (const Environment environment : kEnvironments) {
        for (int variant = 0; variant < 2; ++variant) {
            writer.picture(landscape(environment, variant, kBackgroundSize),
                           packName(kFondsJeu[static_cast<int>(environment)][variant]), kMadeByUs);
        }
    }
    writer.picture(restingBird(), packName(kOiseauRepos), kMadeByUs);
    std::set<QString> frames;
    for (std::size_t at = 0; at < std::size(kOiseauVol); ++at) {
        if (frames.insert(packName(kOiseauVol[at])).second) {
            writer.picture(flightFrame(kWingsInFlight[at]), packName(kOiseauVol[at]), kMadeByUs);
        }
    }
}

// The tune of each of the catalogue's fixed sounds.
constexpr std::pair<std::string_view, Jingle> kTunes[] = {{kSonDebut, Jingle::Welcome},
                                                          {kSonTrouve, Jingle::PairFound},
                                                          {kSonGagne, Jingle::Won},
                                                          {kSonSortie, Jingle::Goodbye}};

// Evaluated while building for every fixed sound, where a missing tune stops the build.
constexpr Jingle tuneOf(std::string_view sound) {
    for (const auto& [name, tune] : kTunes) {
        if (name == sound) {
            return tune;
        }
    }
    throw std::logic_error("a fixed sound without a tune");
}
static_assert(std::ranges::all_of(kSonsFixes, [](const char* sound) {
    tuneOf(sound);
    return true;
}));

void writeJingles(Writer& writer) {
    for (const char* sound : kSonsFixes) {
        writer.file(wavFile(jingle(tuneOf(sound))), packName(sound), kSynthesisedByUs);
    }
}

} // namespace

void writePack(const PackSources& sources, const QString& folder) {
    Writer writer(folder);
    writeAnimals(writer, sources);
    writeScenery(writer);
    writeJingles(writer);
    writer.file(emojiNotice(sources.emojiPackage), "LICENCES/fluentui-emoji.txt");
    writer.file(notoNotice(sources), "LICENCES/noto-emoji.txt");
    writer.file(writer.origins(), "LICENCES/files.txt");
}
