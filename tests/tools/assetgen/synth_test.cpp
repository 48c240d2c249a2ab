// SPDX-License-Identifier: MIT
#include "Random.h"
#include "Recording.h"
#include "Sounds.h"
#include "Synth.h"
#include "Wav.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

using namespace synth;

namespace {

float peakOf(const Signal& signal) {
    float peak = 0.0f;
    for (float sample : signal) {
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

int risingZeroCrossings(const Signal& signal) {
    int count = 0;
    for (std::size_t i = 1; i < signal.size(); ++i) {
        count += signal[i - 1] < 0.0f && signal[i] >= 0.0f;
    }
    return count;
}

std::int16_t sampleAt(const QByteArray& wav, int index) {
    const int at = 44 + 2 * index;
    return static_cast<std::int16_t>(static_cast<std::uint8_t>(wav[at]) |
                                     (static_cast<std::uint8_t>(wav[at + 1]) << 8));
}

// The contents of a mono Ogg Vorbis file of `signal`, as a recorder makes one.
QByteArray oggFile(const Signal& signal, long rate) {
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, 1, rate, 0.5f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet headers[3];
    vorbis_analysis_headerout(&dsp, &comment, &headers[0], &headers[1], &headers[2]);
    for (ogg_packet& header : headers) {
        ogg_stream_packetin(&stream, &header);
    }
    QByteArray out;
    ogg_page page;
    const auto pages = [&](int (*take)(ogg_stream_state*, ogg_page*)) {
        while (take(&stream, &page) != 0) {
            out.append(reinterpret_cast<const char*>(page.header), page.header_len);
            out.append(reinterpret_cast<const char*>(page.body), page.body_len);
        }
    };
    pages(ogg_stream_flush);
    float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(signal.size()));
    std::copy(signal.begin(), signal.end(), buffer[0]);
    vorbis_analysis_wrote(&dsp, static_cast<int>(signal.size()));
    vorbis_analysis_wrote(&dsp, 0);
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
            ogg_stream_packetin(&stream, &packet);
            pages(ogg_stream_pageout);
        }
    }
    pages(ogg_stream_flush);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

QString written(const QTemporaryDir& folder, const char* name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

std::string failureOf(const QString& path) {
    try {
        decodeOgg(path, 1.0);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "decoded";
}

TEST(SynthCurveTest, InterpolatesBetweenPointsAndHoldsItsEnds) {
    const Curve curve{{0.2, 10.0}, {0.6, 30.0}, {0.6, 50.0}, {1.0, 50.0}};
    EXPECT_DOUBLE_EQ(curve.at(0.0), 10.0);
    EXPECT_DOUBLE_EQ(curve.at(0.4), 20.0);
    EXPECT_DOUBLE_EQ(curve.at(0.6), 30.0);
    EXPECT_DOUBLE_EQ(curve.at(0.8), 50.0);
    EXPECT_DOUBLE_EQ(curve.at(2.0), 50.0);
    EXPECT_DOUBLE_EQ(curve.scaled(2.0).at(0.4), 40.0);
    EXPECT_DOUBLE_EQ(Curve(7.0).at(0.5), 7.0);
}

TEST(SynthOscillatorTest, PlaysTheAskedPitchForTheAskedTime) {
    for (Wave wave : {Wave::Sine, Wave::Triangle, Wave::Saw, Wave::Square}) {
        const Signal tone = oscillator(wave, 441.0, 0.5);
        EXPECT_EQ(tone.size(), static_cast<std::size_t>(kRate / 2));
        EXPECT_NEAR(risingZeroCrossings(tone), 220, 2);
        EXPECT_LE(peakOf(tone), 1.2f);
    }
    const Signal glide = oscillator(Wave::Sine, {{0.0, 200.0}, {1.0, 600.0}}, 1.0);
    EXPECT_NEAR(risingZeroCrossings(glide), 400, 3);
}

TEST(SynthFiltersTest, PassTheirBandAndDampTheRest) {
    auto gainAt = [](double hz, auto filter) {
        Signal tone = oscillator(Wave::Sine, hz, 0.5);
        filter(tone);
        return peakOf(Signal(tone.begin() + kRate / 4, tone.end()));
    };
    const auto band = [](Signal& s) { bandpass(s, 1000.0, 2.0); };
    EXPECT_NEAR(gainAt(1000.0, band), 1.0, 0.05);
    EXPECT_LT(gainAt(8000.0, band), 0.1);
    const auto low = [](Signal& s) { lowpass(s, 500.0); };
    EXPECT_GT(gainAt(100.0, low), 0.95);
    EXPECT_LT(gainAt(5000.0, low), 0.05);
    const auto high = [](Signal& s) { highpass(s, 2000.0); };
    EXPECT_GT(gainAt(8000.0, high), 0.95);
    EXPECT_LT(gainAt(200.0, high), 0.05);
}

TEST(SynthFinishTest, SetsThePeakAndFadesBothEnds) {
    Signal tone = oscillator(Wave::Square, 300.0, 0.3);
    for (float& sample : tone) {
        sample *= 3.0f;
    }
    finish(tone, -3.0, 6.0);
    EXPECT_NEAR(peakOf(tone), std::pow(10.0, -3.0 / 20.0), 1e-4);
    EXPECT_EQ(tone.front(), 0.0f);
    EXPECT_LT(std::abs(tone.back()), 0.01f);

    Signal silence(1000, 0.0f);
    finish(silence);
    EXPECT_EQ(peakOf(silence), 0.0f) << "no division by a zero peak";
    Signal empty;
    finish(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(SynthLevelOutTest, RaisesSpikySoundsAndLeavesSteadyOnesAlone) {
    Signal steady = oscillator(Wave::Sine, 300.0, 0.5);
    const Signal before = steady;
    levelOut(steady, -8.0);
    for (std::size_t i = 0; i < steady.size(); ++i) {
        ASSERT_NEAR(steady[i], before[i], 1e-3);
    }

    Signal spiky = oscillator(Wave::Sine, 300.0, 0.5);
    for (float& sample : spiky) {
        sample *= 0.1f;
    }
    spiky[1000] = 1.0f;
    ASSERT_LT(loudestDb(spiky), -20.0);
    levelOut(spiky, -8.0);
    EXPECT_GE(loudestDb(spiky), -8.0);
    EXPECT_LE(peakOf(spiky), 1.0f);
}

TEST(SynthRecordingTest, DecodesOggAndMakesALongRecordingAShortCryAtTheCommonLoudness) {
    // Half a second of silence, then bursts of 440 Hz: 0.4 s on, 0.2 s off.
    constexpr long kFileRate = 44100;
    Signal recording(static_cast<std::size_t>(4.5 * kFileRate));
    for (std::size_t i = 0; i < recording.size(); ++i) {
        const double t = static_cast<double>(i) / kFileRate;
        const bool on = t >= 0.5 && std::fmod(t - 0.5, 0.6) < 0.4;
        recording[i] = on ? static_cast<float>(0.3 * std::sin(2 * std::numbers::pi * 440 * t)) : 0;
    }
    QTemporaryDir folder;
    const QString path = written(folder, "bursts.ogg", oggFile(recording, kFileRate));

    const Signal decoded = decodeOgg(path, 10.0);
    EXPECT_NEAR(static_cast<double>(decoded.size()), 4.5 * kRate, 0.01 * kRate);
    EXPECT_NEAR(peakOf(decoded), 0.3, 0.05);
    const Signal burst(decoded.begin() + kRate * 6 / 10, decoded.begin() + kRate * 8 / 10);
    EXPECT_NEAR(risingZeroCrossings(burst), 88, 2) << "440 Hz for 0.2 s";
    EXPECT_NEAR(static_cast<double>(decodeOgg(path, 1.0).size()), kRate, 0.01 * kRate);

    const Signal cry = recordedCry(decoded);
    EXPECT_LE(cry.size(), static_cast<std::size_t>(kMaxRecordedCrySeconds * kRate));
    EXPECT_GE(cry.size(), static_cast<std::size_t>(1.5 * kRate));
    EXPECT_GT(loudestDb(Signal(cry.begin(), cry.begin() + kRate / 20), 0.02), -20.0)
        << "the silent lead-in is left out";
    EXPECT_LT(loudestDb(Signal(cry.end() - kRate / 50, cry.end()), 0.02), -40.0)
        << "cut between two bursts";
    EXPECT_NEAR(loudestDb(cry, 0.4), -12.0, 0.5);
    EXPECT_LT(peakOf(cry), 0.95f);

    EXPECT_NE(failureOf(written(folder, "damaged.ogg", QByteArray(3000, 'x')))
                  .find("damaged.ogg: not Ogg Vorbis"),
              std::string::npos);
    EXPECT_NE(failureOf(written(folder, "silent.ogg", oggFile(Signal(kFileRate), kFileRate)))
                  .find("no sound"),
              std::string::npos);
    EXPECT_NE(failureOf(folder.filePath("absent.ogg")).find("absent.ogg: "), std::string::npos);
}

TEST(SynthRecordingTest, ANameEndsBeforeTheRecordersHissAndStaysBelowFullScaleBetweenSamples) {
    // A word of 0.5 s between 0.3 s and 0.6 s of hiss 30 dB below it. In the word, a 20 ms burst at
    // a quarter of the rate whose samples fall halfway between its peaks: a player resampling it
    // rebuilds peaks of sqrt(2) times its samples.
    Random random(1);
    Signal voice = noise(1.4, random);
    for (std::size_t i = 0; i < voice.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const bool burst = t >= 0.5 && t < 0.52;
        const double word =
            burst ? 0.7 * (i % 4 < 2 ? 1 : -1) : 0.3 * std::sin(2 * std::numbers::pi * 300 * t);
        voice[i] = static_cast<float>(t >= 0.3 && t < 0.8 ? word : 0.012 * voice[i]);
    }
    const Signal name = spokenName(voice);
    EXPECT_GT(name.size(), static_cast<std::size_t>(0.6 * kRate)) << "the word kept whole";
    EXPECT_LT(name.size(), static_cast<std::size_t>(0.7 * kRate)) << "the hiss after it left out";
    EXPECT_LT(peakOf(name) * std::numbers::sqrt2, std::pow(10.0, -1.0 / 20));
}

TEST(SynthRandomTest, RepeatsItsSequenceForASeedAndStaysInRange) {
    Random a(42);
    Random b(42);
    Random c(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const double x = a.uniform();
        EXPECT_EQ(x, b.uniform());
        differs |= x != c.uniform();
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
    EXPECT_TRUE(differs);
}

TEST(SynthWavFileTest, WritesA16BitMonoPcmHeaderAndClampsSamples) {
    const QByteArray wav = wavFile({0.0f, 0.5f, 2.0f, -2.0f, -0.5f});
    ASSERT_EQ(wav.size(), 44 + 5 * 2);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(sampleAt(wav, 0), 0);
    EXPECT_EQ(sampleAt(wav, 1), 16384);
    EXPECT_EQ(sampleAt(wav, 2), 32767);
    EXPECT_EQ(sampleAt(wav, 3), -32767);
    EXPECT_EQ(sampleAt(wav, 4), -16384);
}

TEST(SynthSoundsTest, CriesDifferFromEachOther) {
    const Signal wolf = cry(Cry::Wolf);
    const Signal arcticWolf = cry(Cry::ArcticWolf);
    const Signal lion = cry(Cry::Lion);
    EXPECT_NE(wolf, arcticWolf);
    EXPECT_NE(wolf, lion);
    EXPECT_EQ(wolf, cry(Cry::Wolf)) << "a cry is the same at every run";
}

} // namespace
