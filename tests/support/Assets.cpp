// SPDX-License-Identifier: MIT
#include "support/Assets.h"

#include "app/sdimain.h"
#include "game/CheminAnimal.h"
#include "support/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>
#include <stdexcept>

namespace assets {

namespace {

void Check(bool written, const std::string& path) {
    if (!written) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The file's name, its folder made first when missing.
QString Name(const std::string& path) {
    const QString name = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(name).path());
    return name;
}

} // namespace

QRgb SpriteColour(const std::string& path) {
    const size_t h = std::hash<std::string>{}(path);
    // Components from 0x30 to 0xEF: far from black and from white.
    return qRgb(0x30 + int(h % 0xC0), 0x30 + int((h >> 8) % 0xC0), 0x30 + int((h >> 16) % 0xC0));
}

QImage SpriteImage(int width, int height, QRgb colour, bool mirrored) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    // A right triangle inset by two pixels: its mirror image differs from it.
    for (int y = 2; y < height - 2; ++y) {
        const int length = 1 + (width - 4) * (y - 1) / (height - 3);
        for (int x = 2; x < 2 + length && x < width - 2; ++x) {
            image.setPixel(x, y, colour);
        }
    }
    return mirrored ? image.mirrored(true, false) : image;
}

void WriteBmp(const std::string& path, const QImage& image) {
    Check(image.save(Name(path), "BMP"), path);
}

void WriteSprite(const std::string& path, int width, int height, bool mirrored) {
    WriteBmp(path, SpriteImage(width, height, SpriteColour(path), mirrored));
}

void WriteJpeg(const std::string& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(40 + 160 * x / width, 90, 40 + 160 * y / height));
        }
    }
    // Through libjpeg, as the game reads it: Qt's own JPEG plugin may be left out of its build.
    pictures::WriteJpeg(Name(path).toStdString(), image);
}

void WriteWav(const std::string& path) {
    constexpr quint32 kRate = 8000;
    constexpr quint32 kSamples = 80;
    QByteArray data;
    auto put32 = [&data](quint32 v) {
        v = qToLittleEndian(v);
        data.append(reinterpret_cast<const char*>(&v), 4);
    };
    auto put16 = [&data](quint16 v) {
        v = qToLittleEndian(v);
        data.append(reinterpret_cast<const char*>(&v), 2);
    };
    data.append("RIFF");
    put32(36 + kSamples);
    data.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kRate);
    put32(kRate); // bytes per second at 8 bits
    put16(1);
    put16(8);
    data.append("data");
    put32(kSamples);
    for (quint32 i = 0; i < kSamples; ++i) {
        data.append(char(i % 16 < 8 ? 0x90 : 0x70));
    }
    QFile file(Name(path));
    Check(file.open(QIODevice::WriteOnly) && file.write(data) == data.size(), path);
}

void WriteBackgrounds(int width, int height) {
    for (const auto& environment : kFondsJeu) {
        for (const char* background : environment) {
            WriteJpeg(background, width, height);
        }
    }
}

void WriteBird() {
    WriteSprite(kOiseauRepos, kRestingBirdWidth, kRestingBirdHeight);
    for (const char* frame : kOiseauVol) {
        WriteSprite(frame, kLargeurVol, kHauteurVol);
    }
}

void WriteFixedSounds() {
    for (const char* sound : kSonsFixes) {
        WriteWav(sound);
    }
}

void WriteFixedAssets() {
    WriteBackgrounds();
    WriteBird();
    WriteFixedSounds();
}

void WriteAnimalAssets(TSDIAppForm& window) {
    const int environment = window.TypeJeu;
    for (int type = 0; type < kNbEnvironnements; ++type) {
        window.TypeJeu = type;
        for (int animal = 0; animal < window.NbAnimaux[type]; ++animal) {
            WriteSprite(CheminAnimal(&window, animal, 'G'), kSpriteWidth, kSpriteHeight);
            WriteSprite(CheminAnimal(&window, animal, 'D'), kSpriteWidth, kSpriteHeight, true);
            WriteJpeg(CheminAnimal(&window, animal, 'I'), 32, 24);
            WriteWav(CheminAnimal(&window, animal, 'S'));
            WriteWav(CheminAnimal(&window, animal, 'N'));
        }
    }
    window.TypeJeu = environment;
}

} // namespace assets
