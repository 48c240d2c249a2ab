// SPDX-License-Identifier: MIT
#include "Synth.h"

#include "Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kResampleTaps = 16;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kRate);
}

// Softens the discontinuities of saw and square waves (polyBLEP), so high notes do not alias.
double blep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double waveAt(Wave wave, double phase, double step) {
    switch (wave) {
    case Wave::Sine:
        return std::sin(kTwoPi * phase);
    case Wave::Triangle:
        return 1.0 - 4.0 * std::abs(phase - 0.5);
    case Wave::Saw:
        return 2.0 * phase - 1.0 - blep(phase, step);
    case Wave::Square: {
        const double half = std::fmod(phase + 0.5, 1.0);
        return (phase < 0.5 ? 1.0 : -1.0) + blep(phase, step) - blep(half, step);
    }
    }
    return 0.0;
}

// Direct-form biquad (coefficients after the RBJ audio cookbook).
struct Biquad {
    double b0, b1, b2, a1, a2;

    void run(Signal& signal) const {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (float& sample : signal) {
            const double x = sample;
            const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            sample = static_cast<float>(y);
        }
    }
};

Biquad bandpassFilter(double centreHz, double q) {
    const double w = kTwoPi * std::min(centreHz, kRate * 0.45) / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    return {alpha / a0, 0.0, -alpha / a0, -2.0 * std::cos(w) / a0, (1.0 - alpha) / a0};
}

Biquad passFilter(double cutoffHz, bool high) {
    const double w = kTwoPi * std::min(cutoffHz, kRate * 0.45) / kRate;
    const double alpha = std::sin(w) / std::numbers::sqrt2; // Butterworth: q = 1/sqrt(2)
    const double cosW = std::cos(w);
    const double a0 = 1.0 + alpha;
    const double b1 = high ? -(1.0 + cosW) : 1.0 - cosW;
    const double b0 = high ? (1.0 + cosW) / 2.0 : (1.0 - cosW) / 2.0;
    return {b0 / a0, b1 / a0, b0 / a0, -2.0 * cosW / a0, (1.0 - alpha) / a0};
}

// The signal's value at fractional sample `at`, as a windowed-sinc filter passing `cutoff` of its
// Nyquist frequency rebuilds it.
double valueBetween(const Signal& in, double at, double cutoff) {
    const double reach = kResampleTaps / cutoff;
    const auto first = static_cast<long>(std::max(0.0, std::ceil(at - reach)));
    const auto last = std::min(static_cast<long>(in.size()) - 1, static_cast<long>(at + reach));
    double sum = 0.0;
    for (long k = first; k <= last; ++k) {
        const double x = (static_cast<double>(k) - at) * cutoff;
        const double sinc =
            x == 0.0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * x / kResampleTaps);
        sum += in[static_cast<std::size_t>(k)] * sinc * window;
    }
    return sum * cutoff;
}

// The highest level the sound reaches between its samples once a player resamples it, looked
// for around its samples louder than `loud` only.
double peakBetweenSamples(const Signal& signal, float loud) {
    constexpr int kSteps = 4;
    double peak = 0.0;
    for (std::size_t i = 0; i + 1 < signal.size(); ++i) {
        if (std::max(std::abs(signal[i]), std::abs(signal[i + 1])) < loud) {
            continue;
        }
        for (int step = 1; step < kSteps; ++step) {
            const double at = static_cast<double>(i) + static_cast<double>(step) / kSteps;
            peak = std::max(peak, std::abs(valueBetween(signal, at, 1.0)));
        }
    }
    return peak;
}

} // namespace

Curve Curve::scaled(double factor) const {
    Curve out = *this;
    for (auto& point : out.points_) {
        point.second *= factor;
    }
    return out;
}

double Curve::at(double x) const {
    if (x <= points_.front().first) {
        return points_.front().second;
    }
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const auto& [x1, y1] = points_[i];
        if (x <= x1) {
            const auto& [x0, y0] = points_[i - 1];
            return x1 == x0 ? y1 : y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        }
    }
    return points_.back().second;
}

Signal oscillator(Wave wave, const Curve& pitch, double seconds, double vibratoHz,
                  double vibratoDepth) {
    Signal out(samplesFor(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double vibrato = 1.0 + vibratoDepth * std::sin(kTwoPi * vibratoHz * t);
        const double step = pitch.at(t / seconds) * vibrato / kRate;
        out[i] = static_cast<float>(waveAt(wave, phase, step));
        phase = std::fmod(phase + step, 1.0);
    }
    return out;
}

Signal noise(double seconds, Random& random) {
    Signal out(samplesFor(seconds));
    for (float& sample : out) {
        sample = static_cast<float>(random.range(-1.0, 1.0));
    }
    return out;
}

Signal wander(double seconds, double rateHz, Random& random) {
    Signal out(samplesFor(seconds));
    const std::size_t stride = std::max<std::size_t>(1, static_cast<std::size_t>(kRate / rateHz));
    double from = random.range(-1.0, 1.0);
    double to = random.range(-1.0, 1.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i % stride == 0 && i > 0) {
            from = to;
            to = random.range(-1.0, 1.0);
        }
        const double f = static_cast<double>(i % stride) / stride;
        const double smooth = f * f * (3.0 - 2.0 * f);
        out[i] = static_cast<float>(from + (to - from) * smooth);
    }
    return out;
}

void shape(Signal& signal, const Curve& gain) {
    const double length = static_cast<double>(std::max<std::size_t>(1, signal.size()));
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] *= static_cast<float>(gain.at(static_cast<double>(i) / length));
    }
}

Curve envelope(double seconds, double attack, double release) {
    const double a = std::min(attack / seconds, 0.5);
    const double r = std::min(release / seconds, 0.5);
    return {{0.0, 0.0}, {a, 1.0}, {1.0 - r, 1.0}, {1.0, 0.0}};
}

void modulate(Signal& signal, const Signal& by, double depth) {
    for (std::size_t i = 0; i < signal.size() && i < by.size(); ++i) {
        signal[i] *= static_cast<float>(1.0 - depth * 0.5 * (1.0 - by[i]));
    }
}

void lowpass(Signal& signal, double cutoffHz) {
    passFilter(cutoffHz, false).run(signal);
}

void highpass(Signal& signal, double cutoffHz) {
    passFilter(cutoffHz, true).run(signal);
}

void bandpass(Signal& signal, double centreHz, double q) {
    bandpassFilter(centreHz, q).run(signal);
}

void drive(Signal& signal, double amount) {
    const double norm = std::tanh(amount);
    for (float& sample : signal) {
        sample = static_cast<float>(std::tanh(amount * sample) / norm);
    }
}

void decay(Signal& signal, double halfLifeSeconds) {
    const double factor = std::pow(0.5, 1.0 / (halfLifeSeconds * kRate));
    double gain = 1.0;
    for (float& sample : signal) {
        sample = static_cast<float>(sample * gain);
        gain *= factor;
    }
}

double loudestDb(const Signal& signal, double windowSeconds) {
    const std::size_t window = std::min(signal.size(), samplesFor(windowSeconds));
    double loudest = 0.0;
    for (std::size_t start = 0; window > 0 && start + window <= signal.size();
         start += std::max<std::size_t>(1, window / 2)) {
        double energy = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            energy += static_cast<double>(signal[i]) * signal[i];
        }
        loudest = std::max(loudest, energy / static_cast<double>(window));
    }
    return loudest > 0.0 ? 10.0 * std::log10(loudest) : -200.0;
}

void levelOut(Signal& signal, double targetDb) {
    Signal trial = signal;
    finish(trial, 0.0, 0.0);
    for (double amount = 1.0; loudestDb(trial) < targetDb && amount < 8.0; amount *= 1.25) {
        trial = signal;
        finish(trial, 0.0, 0.0);
        drive(trial, amount);
    }
    signal = std::move(trial);
}

void levelLoudness(Signal& signal) {
    constexpr double kLoudnessDb = -12.0;
    // Below the lowest voice, the crocodile's 62 to 80 Hz growl: measured without its fundamental,
    // it was levelled louder than every other cry.
    constexpr double kRumbleHz = 50.0;
    // Peaks above the knee are rounded off smoothly below the ceiling, -1.1 dBFS, which the sound
    // stays under between its samples too: a player resampling it must not clip.
    constexpr double kKnee = 0.70;
    constexpr double kCeiling = 0.88;
    Signal heard = signal;
    highpass(heard, kRumbleHz);
    const double loudest = loudestDb(heard, 0.4);
    if (loudest < -150.0) {
        return; // silence
    }
    const double gain = std::pow(10.0, (kLoudnessDb - loudest) / 20.0);
    for (float& sample : signal) {
        const double size = std::abs(sample * gain);
        const double rounded =
            size <= kKnee
                ? size
                : kKnee + (kCeiling - kKnee) * std::tanh((size - kKnee) / (kCeiling - kKnee));
        sample = static_cast<float>(std::copysign(rounded, sample));
    }
    const double over = peakBetweenSamples(signal, static_cast<float>(kCeiling / 2)) / kCeiling;
    if (over > 1.0) {
        for (float& sample : signal) {
            sample = static_cast<float>(sample / over);
        }
    }
}

void mixInto(Signal& target, const Signal& source, double atSeconds, double gain) {
    const std::size_t offset = samplesFor(atSeconds);
    if (target.size() < offset + source.size()) {
        target.resize(offset + source.size(), 0.0f);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[offset + i] += static_cast<float>(gain * source[i]);
    }
}

Signal sum(std::initializer_list<std::pair<const Signal*, double>> parts) {
    Signal out;
    for (const auto& [part, gain] : parts) {
        mixInto(out, *part, 0.0, gain);
    }
    return out;
}

Signal resample(const Signal& in, long fromRate, long toRate) {
    if (fromRate == toRate) {
        return in;
    }
    const double step = static_cast<double>(fromRate) / static_cast<double>(toRate);
    const double cutoff = std::min(1.0, 1.0 / step);
    Signal out(static_cast<std::size_t>(static_cast<double>(in.size()) / step));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<float>(valueBetween(in, static_cast<double>(i) * step, cutoff));
    }
    return out;
}

void finish(Signal& signal, double peakDb, double fadeMs) {
    const std::size_t fade = std::min(signal.size() / 2, samplesFor(fadeMs / 1000.0));
    for (std::size_t i = 0; i < fade; ++i) {
        const auto gain = static_cast<float>(static_cast<double>(i) / fade);
        signal[i] *= gain;
        signal[signal.size() - 1 - i] *= gain;
    }
    float peak = 0.0f;
    for (float sample : signal) {
        peak = std::max(peak, std::abs(sample));
    }
    if (peak > 0.0f) {
        const double target = std::pow(10.0, peakDb / 20.0);
        for (float& sample : signal) {
            sample = static_cast<float>(sample * target / peak);
        }
    }
}

} // namespace synth
