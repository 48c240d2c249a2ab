// SPDX-License-Identifier: MIT
// Runs the asset generator into temporary folders and checks what the game will read.
#include "game/Catalogue.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <queue>
#include <string_view>
#include <vector>

namespace {

// A catalogue name as the pack names it: every one starts with "./" (Catalogue_test checks).
const char* packName(const char* catalogueName) {
    return catalogueName + 2;
}

struct AnimalFiles {
    const char* g;
    const char* d;
    const char* photo;
    const char* cry;
    const char* name;
};

std::vector<AnimalFiles> catalogueAnimals() {
    std::vector<AnimalFiles> all;
    for (const auto animals : kAnimaux) {
        for (const FicheAnimal& animal : animals) {
            const FichiersAnimal& files = animal.fichiers;
            all.push_back({packName(files[0]), packName(files[1]), packName(files[2]),
                           packName(files[3]), packName(files[4])});
        }
    }
    return all;
}

// The flight frames, each once, in the order they are first shown.
std::vector<const char*> flightFrames() {
    std::vector<const char*> frames;
    for (const char* frame : kOiseauVol) {
        if (std::ranges::find_if(frames, [&](const char* seen) {
                return std::string_view(seen) == packName(frame);
            }) == frames.end()) {
            frames.push_back(packName(frame));
        }
    }
    return frames;
}

std::vector<const char*> backgrounds() {
    std::vector<const char*> all;
    for (const auto& environment : kFondsJeu) {
        for (const char* name : environment) {
            all.push_back(packName(name));
        }
    }
    return all;
}

const std::vector<AnimalFiles> kAnimals = catalogueAnimals();
const std::vector<const char*> kBackgrounds = backgrounds();
const std::vector<const char*> kFlightFrames = flightFrames();
const char* const kRestingBird = packName(kOiseauRepos);

struct Jingle {
    const char* name;
    double maxSeconds;
};
const std::array<Jingle, 4> kJingles{{{packName(kSonDebut), 2.0},
                                      {packName(kSonTrouve), 1.0},
                                      {packName(kSonGagne), 3.0},
                                      {packName(kSonSortie), 1.5}}};
constexpr double kMaxCrySeconds = 3.0;
constexpr double kMaxNameSeconds = 2.5;
// Every file of the catalogue; with them three notices, and a fourth when the collection is used.
QStringList catalogueFiles() {
    QStringList names;
    for (const AnimalFiles& animal : kAnimals) {
        names << animal.g << animal.d << animal.photo << animal.cry << animal.name;
    }
    for (const char* name : kBackgrounds) {
        names << name;
    }
    for (const char* name : kFlightFrames) {
        names << name;
    }
    names << kRestingBird;
    for (const char* sound : kSonsFixes) {
        names << packName(sound);
    }
    return names;
}
const QStringList kCatalogueFiles = catalogueFiles();
const int kPackFiles = static_cast<int>(kCatalogueFiles.size());
// The licences' texts and the collection, as the build gives them.
const QStringList kBuildsCollection{
    "--collection=" ASSETGEN_COLLECTION, "--collection-source=" ASSETGEN_COLLECTION_SOURCE,
    "--collection-licence=" ASSETGEN_COLLECTION_LICENCE, "--noto-licence=" ASSETGEN_NOTO_LICENCE};
const bool kCollectionInstalled = !QString(ASSETGEN_COLLECTION_SOURCE).isEmpty();

QString runGenerator(const QString& emojiPackage, const QString& folder, int* exitCode,
                     const QStringList& collection = {}) {
    QProcess generator;
    generator.start(ASSETGEN_PROGRAM,
                    QStringList{emojiPackage, ASSETGEN_NOTO_PACKAGE, ASSETGEN_FONT, folder} +
                        collection);
    generator.waitForFinished(-1);
    *exitCode = generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
    return QString::fromLocal8Bit(generator.readAllStandardError());
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesUnder(const QString& folder) {
    QStringList names;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        names << QDir(folder).relativeFilePath(files.next());
    }
    return names;
}

std::uint32_t le(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

bool pureBlack(QRgb pixel) {
    return (pixel & 0x00FFFFFF) == 0;
}

int lightness(QRgb pixel) {
    return (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
}

// Pure black pixels that cannot be reached from the border through pure black: holes that
// would let the background show through the middle of a picture.
int enclosedBlackPixels(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    std::vector<bool> seen(static_cast<std::size_t>(w * h), false);
    std::queue<QPoint> todo;
    auto visit = [&](int x, int y) {
        const auto at = static_cast<std::size_t>(y * w + x);
        if (x >= 0 && y >= 0 && x < w && y < h && !seen[at] && pureBlack(image.pixel(x, y))) {
            seen[at] = true;
            todo.push({x, y});
        }
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            enclosed += pureBlack(image.pixel(x, y)) && !seen[static_cast<std::size_t>(y * w + x)];
        }
    }
    return enclosed;
}

// Art pixels touching the transparent black that are dark: a fringe, or black inside the art
// that was not lifted off pure black.
int darkEdgePixels(const QImage& image) {
    int dark = 0;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            const QRgb p = image.pixel(x, y);
            const bool touchesBlack =
                pureBlack(image.pixel(x + 1, y)) || pureBlack(image.pixel(x - 1, y)) ||
                pureBlack(image.pixel(x, y + 1)) || pureBlack(image.pixel(x, y - 1));
            dark += !pureBlack(p) && touchesBlack && lightness(p) < 180;
        }
    }
    return dark;
}

// The collection file the pack's record of origins names for a file, if any.
QString collectionFileOf(const QByteArray& origins, const char* name) {
    const QRegularExpression entry(
        QString(R"(\n%1\n    \S+ (animals/\S+\.png))").arg(QRegularExpression::escape(name)));
    return entry.match(QString::fromUtf8(origins)).captured(1);
}

// The pack the build generated, the one the game runs with.
class AssetgenPackTest : public testing::Test {
protected:
    static QDir pack() { return QDir(ASSETGEN_PACK_DIR); }
    // The pack's files: not the game's trace, written there when the game is started in that
    // folder as the README says (the packages leave it out).
    static QStringList packFiles() {
        return filesUnder(pack().path()).filter(QRegularExpression("^(?!espion\\.log$)"));
    }
    static QString path(const char* name) { return pack().filePath(QString::fromLatin1(name)); }

    // A 24-bit Windows bitmap, checked on its header and loaded.
    static QImage bitmap(const char* name) {
        const QByteArray bytes = readAll(path(name));
        EXPECT_TRUE(bytes.startsWith("BM")) << name;
        EXPECT_GE(bytes.size(), 54) << name;
        if (bytes.size() >= 54) {
            EXPECT_EQ(le(bytes, 28, 2), 24u) << name << " bits per pixel";
            EXPECT_EQ(le(bytes, 30, 4), 0u) << name << " compression";
        }
        return QImage(path(name), "BMP");
    }

    static QImage jpeg(const char* name) {
        const QByteArray bytes = readAll(path(name));
        EXPECT_TRUE(bytes.startsWith("\xFF\xD8")) << name;
        return QImage(path(name), "JPEG");
    }

    static void expectCorners(const QImage& image, const char* name) {
        ASSERT_FALSE(image.isNull()) << name;
        const int r = image.width() - 1;
        const int b = image.height() - 1;
        for (const QPoint& corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
            EXPECT_TRUE(pureBlack(image.pixel(corner)))
                << name << " corner " << corner.x() << "," << corner.y();
        }
    }

    // A 16-bit mono PCM WAV no longer than `maxSeconds`, without clipped samples. A jingle peaks
    // high enough to be heard; a cry, levelled by loudness rather than peaks, gives its loudest
    // 400 ms in dB to `loudness`.
    static void expectSound(const char* name, double maxSeconds, double* loudness = nullptr) {
        const QByteArray bytes = readAll(path(name));
        ASSERT_GE(bytes.size(), 44) << name;
        EXPECT_EQ(bytes.left(4), "RIFF") << name;
        EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ") << name;
        EXPECT_EQ(le(bytes, 20, 2), 1u) << name << " PCM";
        EXPECT_EQ(le(bytes, 22, 2), 1u) << name << " mono";
        const std::uint32_t rate = le(bytes, 24, 4);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << name << " rate " << rate;
        EXPECT_EQ(le(bytes, 34, 2), 16u) << name << " bits";
        EXPECT_EQ(bytes.mid(36, 4), "data") << name;
        const std::uint32_t dataBytes = le(bytes, 40, 4);
        ASSERT_EQ(dataBytes, static_cast<std::uint32_t>(bytes.size() - 44)) << name;
        ASSERT_GT(dataBytes, 0u) << name;
        EXPECT_LE(dataBytes / 2.0 / rate, maxSeconds) << name;
        int peak = 0;
        std::vector<double> squares;
        for (std::uint32_t at = 44; at < static_cast<std::uint32_t>(bytes.size()); at += 2) {
            const auto sample = static_cast<std::int16_t>(le(bytes, static_cast<int>(at), 2));
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
            squares.push_back(sample / 32768.0 * (sample / 32768.0));
        }
        EXPECT_LT(peak, 32000) << name << " clips";
        if (loudness == nullptr) {
            EXPECT_GT(peak, 16000) << name << " is too quiet";
            return;
        }
        const std::size_t window = std::min<std::size_t>(squares.size(), rate * 4 / 10);
        double loudest = 0.0;
        for (std::size_t at = 0; at + window <= squares.size(); at += window / 4) {
            loudest = std::max(
                loudest, std::accumulate(squares.begin() + at, squares.begin() + at + window, 0.0));
        }
        *loudness = 10.0 * std::log10(loudest / window);
    }
};

TEST_F(AssetgenPackTest, HoldsEveryFileOfTheGamesCatalogueAndNoOther) {
    QStringList expected = kCatalogueFiles;
    QStringList present = packFiles().filter(QRegularExpression("^(?!LICENCES/)"));
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected);
}

TEST_F(AssetgenPackTest, SpritesAreStickersOnTransparentBlackAndTheSecondMirrorsTheFirst) {
    for (const AnimalFiles& animal : kAnimals) {
        const QImage g = bitmap(animal.g);
        const QImage d = bitmap(animal.d);
        expectCorners(g, animal.g);
        ASSERT_FALSE(d.isNull()) << animal.d;
        EXPECT_EQ(d, g.mirrored(true, false)) << animal.d;
        // Well inside a cell even when the background is reduced for a 1280-pixel screen.
        EXPECT_GE(std::max(g.width(), g.height()), 100) << animal.g;
        EXPECT_LE(g.width(), 170) << animal.g;
        EXPECT_LE(g.height(), 160) << animal.g;
        // Also catches pure black inside an animal: the dark fur around it would touch it.
        EXPECT_EQ(darkEdgePixels(g), 0) << animal.g;
    }
    // The tiger without the grass of its cut-out.
    const QImage tiger = bitmap(kAnimals[0].g);
    for (int y = 0; y < tiger.height(); ++y) {
        for (int x = 0; x < tiger.width(); ++x) {
            const QColor c = tiger.pixelColor(x, y);
            ASSERT_FALSE(c.green() > c.red() + 20 && c.green() > c.blue() + 20) << x << "," << y;
        }
    }
    // The crocodile lies on its belly: standing up, it looks like a dragon.
    const QImage crocodile = bitmap("Savane/Croco01G.bmp");
    EXPECT_GT(crocodile.width(), crocodile.height() * 5 / 4);
}

TEST_F(AssetgenPackTest, EachAnimalIsOnTheBoardWhatItsPhotographShows) {
    const QByteArray origins = readAll(path("LICENCES/files.txt"));
    int real = 0;
    for (const AnimalFiles& animal : kAnimals) {
        const QString cutOut = collectionFileOf(origins, animal.photo);
        EXPECT_EQ(collectionFileOf(origins, animal.g), cutOut) << animal.g;
        EXPECT_EQ(collectionFileOf(origins, animal.d), cutOut) << animal.d;
        real += !cutOut.isEmpty();
    }
    EXPECT_EQ(real, kCollectionInstalled ? 28 : 0);
}

TEST_F(AssetgenPackTest, SpritesOfDifferentAnimalsDiffer) {
    for (std::size_t i = 0; i < kAnimals.size(); ++i) {
        for (std::size_t j = i + 1; j < kAnimals.size(); ++j) {
            EXPECT_NE(readAll(path(kAnimals[i].g)), readAll(path(kAnimals[j].g)))
                << kAnimals[i].g << " " << kAnimals[j].g;
        }
    }
}

TEST_F(AssetgenPackTest, PhotographsAndBackgroundsAreColourJpegsOfTheirSize) {
    for (const AnimalFiles& animal : kAnimals) {
        const QImage photo = jpeg(animal.photo);
        EXPECT_EQ(photo.size(), QSize(640, 480)) << animal.photo;
        EXPECT_FALSE(photo.isGrayscale()) << animal.photo;
    }
    for (const char* name : kBackgrounds) {
        const QImage background = jpeg(name);
        EXPECT_EQ(background.size(), QSize(1024, 768)) << name;
        EXPECT_FALSE(background.isGrayscale()) << name;
    }
    // A new game picks one of two backgrounds: they must not be the same picture.
    for (std::size_t environment = 0; environment < kBackgrounds.size(); environment += 2) {
        EXPECT_NE(readAll(path(kBackgrounds[environment])),
                  readAll(path(kBackgrounds[environment + 1])));
    }
}

TEST_F(AssetgenPackTest, BirdPicturesAreWholeOnTransparentBlack) {
    const QImage resting = bitmap(kRestingBird);
    expectCorners(resting, kRestingBird);
    EXPECT_GE(resting.width(), 30);
    EXPECT_LE(resting.width(), 80);
    EXPECT_EQ(enclosedBlackPixels(resting), 0);
    std::vector<QImage> frames;
    for (const char* name : kFlightFrames) {
        const QImage frame = bitmap(name);
        expectCorners(frame, name);
        EXPECT_GE(frame.width(), kLargeurVol) << name;
        EXPECT_GE(frame.height(), kHauteurVol) << name;
        EXPECT_EQ(enclosedBlackPixels(frame), 0) << name;
        frames.push_back(frame);
    }
    for (std::size_t i = 1; i < frames.size(); ++i) {
        EXPECT_NE(frames[i], frames[i - 1]) << "the wings must move between frames";
    }
}

TEST_F(AssetgenPackTest, SoundsArePcmWithinTheirLengthAndNoCryIsMuchLouderThanAnother) {
    std::vector<double> loudness(kAnimals.size());
    std::vector<double> names(kAnimals.size());
    for (std::size_t i = 0; i < kAnimals.size(); ++i) {
        expectSound(kAnimals[i].cry, kMaxCrySeconds, &loudness[i]);
        expectSound(kAnimals[i].name, kMaxNameSeconds, &names[i]);
    }
    // Deep voices measure louder than they sound.
    EXPECT_LE(std::ranges::max(loudness) - std::ranges::min(loudness), 5.0);
    EXPECT_LE(std::ranges::max(names) - std::ranges::min(names), 5.0);
    for (const Jingle& jingle : kJingles) {
        expectSound(jingle.name, jingle.maxSeconds);
    }
}

TEST_F(AssetgenPackTest, ShipsTheLicencesFileByFile) {
    const QByteArray notice = readAll(path("LICENCES/fluentui-emoji.txt"));
    EXPECT_TRUE(notice.contains("fluentui-emoji"));
    EXPECT_TRUE(notice.contains("MIT License"));
    const QByteArray origins = readAll(path("LICENCES/files.txt"));
    for (const QString& name : packFiles()) {
        EXPECT_TRUE(name.startsWith("LICENCES/") ||
                    origins.contains("\n" + name.toUtf8() + "\n    "))
            << name.toStdString();
    }
    if (!kCollectionInstalled) {
        GTEST_SKIP() << "no collection of real photographs and recordings installed";
    }
    const QByteArray gpl = readAll(path("LICENCES/tuxpaint-stamps.txt"));
    EXPECT_TRUE(gpl.contains(ASSETGEN_COLLECTION_SOURCE));
    EXPECT_TRUE(gpl.contains("either version 2 of the License") &&
                gpl.contains("any later version"));
    EXPECT_GE(origins.count("    photograph animals/"), 15);
    EXPECT_GE(origins.count("    recording animals/"), 15);
    EXPECT_GE(origins.count("    spoken name, recording animals/"), 12);
    EXPECT_EQ(origins.count("    spoken name"), static_cast<qsizetype>(kAnimals.size()));
    // The farm's cries and names are all the collection's own recordings.
    for (const FicheAnimal& animal : kAnimauxFerme) {
        for (const auto& [file, origin] : {std::pair{animal.fichiers[3], "recording animals/"},
                                           {animal.fichiers[4], "spoken name, recording "}}) {
            EXPECT_TRUE(origins.contains(QByteArray(packName(file)) + "\n    " + origin)) << file;
        }
    }
    // Its penguin says « Un pingouin »: the game's name is synthesised instead.
    EXPECT_TRUE(origins.contains("Polaire/Nom_Manchot.wav\n    spoken name « Un manchot », synth"));
}

TEST_F(AssetgenPackTest, SameSourcesGiveTheSameBytes) {
    QTemporaryDir again;
    int exitCode = 0;
    const QString errors =
        runGenerator(ASSETGEN_EMOJI_PACKAGE, again.path(), &exitCode, kBuildsCollection);
    ASSERT_EQ(exitCode, 0) << errors.toStdString();
    const QStringList names = filesUnder(again.path());
    EXPECT_EQ(names.size(), kPackFiles + 3 + kCollectionInstalled);
    for (const QString& name : names) {
        EXPECT_EQ(readAll(again.filePath(name)), readAll(pack().filePath(name)))
            << name.toStdString();
    }
}

TEST(AssetgenTest, AnimalsWhoseCollectionFilesAreDamagedFallBackAndThePackStaysWhole) {
    QTemporaryDir folder;
    const QDir cats(folder.filePath("stamps/animals/mammals/cats"));
    ASSERT_TRUE(QDir().mkpath(cats.path()));
    for (const char* name : {"lion.ogg", "lion-2.png"}) {
        QFile damaged(cats.filePath(name));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(3000, 'x')) > 0);
    }
    int exitCode = 0;
    const QString errors =
        runGenerator(ASSETGEN_EMOJI_PACKAGE, folder.filePath("pack"), &exitCode,
                     {"--collection=" + folder.filePath("stamps"), "--collection-source=test 1"});
    ASSERT_EQ(exitCode, 0) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QRegularExpression("lion.ogg.*not Ogg Vorbis.*Savane/Lion.wav")))
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(QRegularExpression("lion-2.png.*Savane/Lion1.jpg")));
    EXPECT_EQ(filesUnder(folder.filePath("pack")).size(), kPackFiles + 3);
    const QByteArray origins = readAll(folder.filePath("pack/LICENCES/files.txt"));
    EXPECT_TRUE(origins.contains("Savane/Lion.wav\n    synthesised"));
    EXPECT_TRUE(origins.contains("Savane/Lion1.jpg\n    drawing"));
    EXPECT_TRUE(origins.contains("Savane/Lion01G.bmp\n    drawing"));
}

TEST(AssetgenTest, FailsWithAMessageWhenTheArtIsMissing) {
    QTemporaryDir empty;
    int exitCode = 0;
    const QString errors = runGenerator(empty.filePath("absent"), empty.filePath("out"), &exitCode);
    EXPECT_NE(exitCode, 0);
    EXPECT_FALSE(errors.isEmpty());
}

} // namespace
