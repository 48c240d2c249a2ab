// SPDX-License-Identifier: MIT
#include "Random.h"
#include "Sounds.h"
#include "Synth.h"
#include "Wav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

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

TEST(Curve, InterpolatesBetweenPointsAndHoldsItsEnds) {
    const Curve curve{{0.2, 10.0}, {0.6, 30.0}, {0.6, 50.0}, {1.0, 50.0}};
    EXPECT_DOUBLE_EQ(curve.at(0.0), 10.0);
    EXPECT_DOUBLE_EQ(curve.at(0.4), 20.0);
    EXPECT_DOUBLE_EQ(curve.at(0.6), 30.0);
    EXPECT_DOUBLE_EQ(curve.at(0.8), 50.0);
    EXPECT_DOUBLE_EQ(curve.at(2.0), 50.0);
    EXPECT_DOUBLE_EQ(curve.scaled(2.0).at(0.4), 40.0);
    EXPECT_DOUBLE_EQ(Curve(7.0).at(0.5), 7.0);
}

TEST(Oscillator, PlaysTheAskedPitchForTheAskedTime) {
    for (Wave wave : {Wave::Sine, Wave::Triangle, Wave::Saw, Wave::Square}) {
        const Signal tone = oscillator(wave, 441.0, 0.5);
        EXPECT_EQ(tone.size(), static_cast<std::size_t>(kRate / 2));
        EXPECT_NEAR(risingZeroCrossings(tone), 220, 2);
        EXPECT_LE(peakOf(tone), 1.2f);
    }
    const Signal glide = oscillator(Wave::Sine, {{0.0, 200.0}, {1.0, 600.0}}, 1.0);
    EXPECT_NEAR(risingZeroCrossings(glide), 400, 3);
}

TEST(Filters, PassTheirBandAndDampTheRest) {
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

TEST(Finish, SetsThePeakAndFadesBothEnds) {
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

TEST(LevelOut, RaisesSpikySoundsAndLeavesSteadyOnesAlone) {
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

TEST(Random, RepeatsItsSequenceForASeedAndStaysInRange) {
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

TEST(WavFile, WritesA16BitMonoPcmHeaderAndClampsSamples) {
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

TEST(Sounds, CriesDifferFromEachOther) {
    const Signal wolf = cry(Cry::Wolf);
    const Signal arcticWolf = cry(Cry::ArcticWolf);
    const Signal lion = cry(Cry::Lion);
    EXPECT_NE(wolf, arcticWolf);
    EXPECT_NE(wolf, lion);
    EXPECT_EQ(wolf, cry(Cry::Wolf)) << "a cry is the same at every run";
}

} // namespace
