// SPDX-License-Identifier: MIT
#include "app/platform/Sound.h"
#include "support/Fakes.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <SDL.h>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// A mono 16-bit PCM file of `count` silent samples.
void WriteWav(const QString& path, int count) {
    auto u32 = [](QByteArray& out, quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [](QByteArray& out, quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const quint32 dataBytes = quint32(count) * 2;
    QByteArray wav("RIFF");
    u32(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    u32(wav, 16);
    u16(wav, 1);
    u16(wav, 1);
    u32(wav, 8000);
    u32(wav, 16000);
    u16(wav, 2);
    u16(wav, 16);
    wav.append("data");
    u32(wav, dataBytes);
    wav.append(QByteArray(int(dataBytes), '\0'));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wav);
}

class SoundTest : public testing::Test {
protected:
    void SetUp() override { SetSoundPlayer(nullptr); }
    void TearDown() override {
        qputenv("SDL_AUDIODRIVER", "dummy");
        SetSoundPlayer(nullptr);
    }
    DossierTemp dossier;
};

TEST_F(SoundTest, PlaysFilesAndTheChimeForMissingOrBrokenOnes) {
    WriteWav(dossier.Chemin("Cri.wav"), 400);
    QFile broken(dossier.Chemin("Casse.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\x10\0\0\0WAVEjunk");
    broken.close();

    sndPlaySoundA("./Cri.wav", SND_ASYNC);
    sndPlaySoundA("./Cri.wav", SND_SYNC);
    sndPlaySoundA("./Absent.wav", SND_SYNC);
    sndPlaySoundA("./Casse.wav", SND_ASYNC);
    // Queued behind a sound, then replaced while it may still be loading.
    sndPlaySoundA("./Absent.wav", SND_ASYNC | SND_QUEUE);
    sndPlaySoundA("./Cri.wav", SND_ASYNC);
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);

#ifndef _WIN32
    // The program must still end on the usual signals (Linux's).
    struct sigaction action {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
    ASSERT_EQ(sigaction(SIGINT, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
#endif
}

TEST_F(SoundTest, WithoutAnAudioDeviceIsSilentAndDoesNotLookAgain) {
    SetSoundPlayer(nullptr); // closes the device of any earlier test
    ASSERT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    qputenv("SDL_AUDIODRIVER", "aucun");
    sndPlaySoundA("./Absent.wav", SND_SYNC);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

    qputenv("SDL_AUDIODRIVER", "dummy");
    sndPlaySoundA("./Absent.wav", SND_ASYNC);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

} // namespace
