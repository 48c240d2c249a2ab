// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

class Random;

namespace synth {

constexpr int kRate = 22050;

using Signal = std::vector<float>;

// Piecewise-linear function of a position (seconds, or 0..1 of a sound's length).
class Curve {
public:
    Curve(double constant = 0.0) : points_{{0.0, constant}} {}
    Curve(std::initializer_list<std::pair<double, double>> points) : points_(points) {}
    double at(double x) const;
    Curve scaled(double factor) const;

private:
    std::vector<std::pair<double, double>> points_;
};

enum class Wave { Sine, Triangle, Saw, Square };

// Oscillator whose frequency follows `pitch` over the normalised time 0..1.
Signal oscillator(Wave wave, const Curve& pitch, double seconds, double vibratoHz = 0.0,
                  double vibratoDepth = 0.0);
Signal noise(double seconds, Random& random);
// Slowly wandering value in [-1, 1]: roughness for growls, shimmer for hisses.
Signal wander(double seconds, double rateHz, Random& random);

// Multiplies by `gain` over the normalised time 0..1.
void shape(Signal& signal, const Curve& gain);
// Attack, then hold, then release (seconds), scaled to the signal's length.
Curve envelope(double seconds, double attack, double release);
void modulate(Signal& signal, const Signal& by, double depth);

void lowpass(Signal& signal, double cutoffHz);
void highpass(Signal& signal, double cutoffHz);
void bandpass(Signal& signal, double centreHz, double q);
void drive(Signal& signal, double amount);
void decay(Signal& signal, double halfLifeSeconds);
// Level in dB (relative to full scale) of the loudest stretch of `windowSeconds`.
double loudestDb(const Signal& signal, double windowSeconds = 0.05);
// Peaks to full scale, then saturates spiky sounds (noisy growls, beats) just enough for their
// loudest 50 ms to reach `targetDb`, so they do not sound quieter than steady ones once peaks
// are matched.
void levelOut(Signal& signal, double targetDb);

// Brings a cry to the loudness every cry shares (its loudest 400 ms, rumble below 100 Hz left out
// as the ear does), rounding off the peaks that would come near full scale: it peaks at -1 dBFS
// at most, between its samples too.
void levelLoudness(Signal& signal);

void mixInto(Signal& target, const Signal& source, double atSeconds, double gain = 1.0);
Signal sum(std::initializer_list<std::pair<const Signal*, double>> parts);

// Windowed-sinc resampling, low-passed below the lower of the two Nyquist frequencies.
Signal resample(const Signal& signal, long fromRate, long toRate);

// Peak to `peakDb` dBFS with short fades at both ends so nothing clicks.
void finish(Signal& signal, double peakDb = -3.0, double fadeMs = 6.0);

} // namespace synth
