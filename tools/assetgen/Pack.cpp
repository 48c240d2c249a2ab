// SPDX-License-Identifier: MIT
#include "Pack.h"

#include "Animals.h"
#include "Art.h"
#include "Bird.h"
#include "Landscape.h"
#include "Photo.h"
#include "Sounds.h"
#include "Wav.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImageWriter>
#include <QJsonDocument>
#include <QJsonObject>

#include <stdexcept>

namespace {

constexpr int kSpriteArtSize = 140;
constexpr int kJpegQuality = 90;
const QSize kBackgroundSize(1024, 768);

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

class Writer {
public:
    explicit Writer(const QString& folder) : root_(folder) {}

    void picture(const QImage& image, const QString& name) const {
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
    }

    void file(const QByteArray& bytes, const QString& name) const {
        QFile out(path(name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size() || !out.flush()) {
            fail("cannot write " + out.fileName() + ": " + out.errorString());
        }
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

QByteArray licenceNotice(const QString& package) {
    const QJsonObject manifest =
        QJsonDocument::fromJson(readFile(package + "/package.json")).object();
    QByteArray notice = "Kornibelle: default pictures and sounds\n\n"
                        "The animals are drawn from the \"fluentui-emoji\" package, version ";
    notice += manifest.value("version").toString().toUtf8();
    notice += ",\nbuilt on Microsoft's Fluent Emoji, both published under the MIT licence,\n"
              "whose text follows. The landscapes, the bird and the sounds are made by\n"
              "Kornibelle's own generator (MIT).\n\n";
    notice += readFile(package + "/LICENSE");
    return notice;
}

void writeAnimals(const Writer& writer, const PackSources& sources) {
    const QString icons = sources.emojiPackage + "/icons/modern";
    const QFont font = captionFont(sources.fontFile);
    int indexInEnvironment = 0;
    Environment previous = Environment::Savanna;
    for (const Animal& animal : animals()) {
        indexInEnvironment = animal.environment == previous ? indexInEnvironment + 1 : 0;
        previous = animal.environment;
        const QImage sprite = boardSprite(animalArt(animal, icons, kSpriteArtSize));
        writer.picture(sprite, animal.spriteG);
        writer.picture(sprite.mirrored(true, false), animal.spriteD);
        writer.picture(photograph(animalArt(animal, icons, kPhotoArtSize), animal.environment,
                                  indexInEnvironment % 2, indexInEnvironment + 1,
                                  QString::fromUtf8(animal.frenchName), font),
                       animal.photograph);
        writer.file(wavFile(cry(animal.cry)), animal.sound);
    }
}

void writeScenery(const Writer& writer) {
    writer.picture(landscape(Environment::Savanna, 0, kBackgroundSize), "Savane/Zebres01B.jpg");
    writer.picture(landscape(Environment::Savanna, 1, kBackgroundSize), "Savane/Zebres02B.jpg");
    writer.picture(landscape(Environment::Polar, 0, kBackgroundSize), "Polaire/Polaire1.jpg");
    writer.picture(landscape(Environment::Polar, 1, kBackgroundSize), "Polaire/Polaire2.jpg");
    writer.picture(restingBird(), "Savane/Oiseau13N.bmp");
    for (int frame = 2; frame <= 6; ++frame) {
        writer.picture(flightFrame(frame),
                       QString("Savane/Oiseau%1.bmp").arg(frame, 2, 10, QChar('0')));
    }
}

void writeJingles(const Writer& writer) {
    writer.file(wavFile(jingle(Jingle::Welcome)), "Debut.wav");
    writer.file(wavFile(jingle(Jingle::PairFound)), "Trouve.wav");
    writer.file(wavFile(jingle(Jingle::Won)), "Gagne.wav");
    writer.file(wavFile(jingle(Jingle::Goodbye)), "Sortie.wav");
}

} // namespace

void writePack(const PackSources& sources, const QString& folder) {
    const Writer writer(folder);
    writeAnimals(writer, sources);
    writeScenery(writer);
    writeJingles(writer);
    writer.file(licenceNotice(sources.emojiPackage), "LICENCES/fluentui-emoji.txt");
}
