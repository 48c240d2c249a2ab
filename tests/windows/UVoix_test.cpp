// SPDX-License-Identifier: MIT
#include "windows/UVoix.h"

#include "app/Emplacements.h"
#include "app/platform/Microphone.h"
#include "game/CheminAnimal.h"
#include "game/VoixFamille.h"
#include "support/GameWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

using UVoixTest = GameWindowTest;

// What the microphone hears, as it gives it: 0.4 s of silence, a voice for 0.5 s, then silence.
QByteArray Entendu() {
    std::vector<float> son(std::size_t(Microphone::kRate * 1.2), 0.0f);
    for (std::size_t i = 0; i < std::size_t(Microphone::kRate / 2); ++i) {
        son[std::size_t(Microphone::kRate * 0.4) + i] =
            0.1f * float(std::sin(2.0 * std::numbers::pi * 220.0 * double(i) / Microphone::kRate));
    }
    return {reinterpret_cast<const char*>(son.data()), qsizetype(son.size() * sizeof(float))};
}

TEST_F(UVoixTest, ARecordingIsTrimmedWrittenWholeAndSaidFromThenOn) {
    DiskAudio disque(dossier.Chemin(), Entendu());
    TVoix voix;
    voix.EnregistrerClick();
    ASSERT_TRUE(QTest::qWaitFor([&voix] { return !voix.Minuteur.isActive(); }, 10000));

    const std::string nom = CheminAnimal(&Form(), 0, 'N');
    const QString famille = QString::fromStdString(FichierFamille(nom));
    QFile wav(famille);
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    const QByteArray octets = wav.readAll();
    // 16-bit mono PCM at the microphone's rate: the voice after the name's short pause, the
    // silence around it left out.
    ASSERT_GE(octets.size(), 44);
    EXPECT_EQ(qFromLittleEndian<quint32>(octets.constData() + 40), quint32(octets.size() - 44));
    EXPECT_EQ(qFromLittleEndian<quint16>(octets.constData() + 22), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(octets.constData() + 34), 16);
    EXPECT_NEAR(double(octets.size() - 44) / 2 / Microphone::kRate, 0.12 + 0.5, 0.1);
    EXPECT_EQ(QFileInfo(famille).dir().entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(famille).fileName()});

    ASSERT_FALSE(sons.played.empty());
    EXPECT_EQ(sons.played.back().fileName, famille.toStdString());
    Form().DitNom = true;
    Form().DitNomAnimal(nom);
    EXPECT_EQ(sons.played.back().fileName, famille.toStdString());
}

TEST_F(UVoixTest, WithoutAMicrophoneSaysSoAndWritesNothing) {
    qputenv("SDL_AUDIODRIVER", "aucun");
    TVoix voix;
    qputenv("SDL_AUDIODRIVER", "dummy");
    EXPECT_EQ(voix.findChild<QLabel*>("Message")->text(), "Aucun micro n'a été trouvé.");
    EXPECT_FALSE(voix.findChild<QPushButton*>("Enregistrer")->isEnabled());
    voix.EnregistrerClick();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(DossierFamille())));
}

} // namespace
