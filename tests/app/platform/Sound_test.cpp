// SPDX-License-Identifier: MIT
#include "app/platform/Sound.h"
#include "support/Fakes.h"

#include <QByteArray>
#include <QFile>
#include <SDL.h>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <vector>

namespace {

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
    WriteSteadyWav(dossier.Chemin("Cri.wav"), 0.05, 0);
    QFile broken(dossier.Chemin("Casse.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\x10\0\0\0WAVEjunk");
    broken.close();
    // A header that promises 4 GB of sound over a few bytes.
    QFile file(dossier.Chemin("Cri.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray promising = file.readAll();
    promising.replace(40, 4, "\xf0\xff\xff\xff");
    QFile huge(dossier.Chemin("Enorme.wav"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write(promising) == promising.size());
    huge.close();
    EXPECT_TRUE(SoundReadable("./Enorme.wav"));
    EXPECT_FALSE(SoundReadable("./Casse.wav"));

    sndPlaySoundA("./Cri.wav", SND_ASYNC);
    sndPlaySoundA("./Cri.wav", SND_SYNC);
    sndPlaySoundA("./Absent.wav", SND_SYNC);
    sndPlaySoundA("./Casse.wav", SND_ASYNC);
    sndPlaySoundA("./Enorme.wav", SND_SYNC);
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

// What the sound card is given, through SDL's disk driver.
TEST_F(SoundTest, TheNameIsHeardAfterTheCryUnlessANewSoundComesWhileItLoads) {
    DiskAudio disk(dossier.Chemin());
    WriteSteadyWav(dossier.Chemin("Cri.wav"), 0.2, 1000);
    WriteSteadyWav(dossier.Chemin("Nom.wav"), 0.2, 2000);
    // Long enough to be still loading when the next sound comes.
    WriteSteadyWav(dossier.Chemin("Long.wav"), 8, 3000);
    WriteSteadyWav(dossier.Chemin("Trouve.wav"), 0.2, 4000);
    sndPlaySoundA("./Cri.wav", SND_ASYNC);
    sndPlaySoundA("./Nom.wav", SND_ASYNC | SND_QUEUE);
    SDL_Delay(700);
    EXPECT_EQ(disk.Levels(), (std::vector{1000, 2000}));

    sndPlaySoundA("./Cri.wav", SND_ASYNC);
    sndPlaySoundA("./Long.wav", SND_ASYNC | SND_QUEUE);
    sndPlaySoundA("./Trouve.wav", SND_SYNC);
    const std::vector<int> levels = disk.Levels();
    EXPECT_EQ(std::ranges::count(levels, 3000), 0);
    EXPECT_EQ(levels.back(), 4000);
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
