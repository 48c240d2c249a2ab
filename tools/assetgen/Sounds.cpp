// SPDX-License-Identifier: MIT
#include "Sounds.h"

#include "Random.h"

#include <cmath>
#include <utility>
#include <vector>

using namespace synth;

namespace {

// One vocal gesture: a source (oscillator plus breath noise) through the resonances of a
// throat, with an envelope, roughness and saturation.
struct Voice {
    Wave wave = Wave::Saw;
    Curve pitch{};
    double seconds = 0.3;
    double attack = 0.02;
    double release = 0.08;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;
    double breath = 0.0;
    double rough = 0.0;
    std::vector<std::pair<double, double>> formants{}; // centre Hz, q
    double lowpassHz = 0.0;
    double saturation = 0.0;
};

Signal sing(const Voice& voice, Random& random) {
    Signal source =
        oscillator(voice.wave, voice.pitch, voice.seconds, voice.vibratoHz, voice.vibratoDepth);
    if (voice.breath > 0.0) {
        mixInto(source, noise(voice.seconds, random), 0.0, voice.breath);
    }
    Signal out = source;
    if (!voice.formants.empty()) {
        out.assign(source.size(), 0.0f);
        for (const auto& [centre, q] : voice.formants) {
            Signal band = source;
            bandpass(band, centre, q);
            mixInto(out, band, 0.0, 1.0);
        }
    }
    if (voice.lowpassHz > 0.0) {
        lowpass(out, voice.lowpassHz);
    }
    if (voice.saturation > 0.0) {
        finish(out, 0.0, 0.0);
        drive(out, voice.saturation);
    }
    if (voice.rough > 0.0) {
        modulate(out, wander(voice.seconds, 35.0, random), voice.rough);
    }
    shape(out, envelope(voice.seconds, voice.attack, voice.release));
    return out;
}

// The same gesture `count` times, `spacing` seconds apart, each pitch `step` times the last.
Signal repeat(Voice voice, int count, double spacing, Random& random, double step = 1.0) {
    Signal out;
    for (int i = 0; i < count; ++i) {
        mixInto(out, sing(voice, random), i * spacing);
        voice.pitch = voice.pitch.scaled(step);
    }
    return out;
}

// A dull hit whose pitch falls: chest beats, thumps.
Signal thump(double fromHz, double toHz, double seconds, Random& random) {
    Signal body = oscillator(Wave::Sine, {{0.0, fromHz}, {1.0, toHz}}, seconds);
    Signal slap = noise(0.03, random);
    bandpass(slap, 1200.0, 1.0);
    decay(slap, 0.006);
    mixInto(body, slap, 0.0, 0.6);
    decay(body, seconds / 4.0);
    return body;
}

enum class Timbre { Marimba, Bell, Brass, Soft };

double hertz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

Signal partial(double hz, double seconds, double halfLife) {
    Signal out = oscillator(Wave::Sine, hz, seconds);
    decay(out, halfLife);
    return out;
}

Signal note(Timbre timbre, double midi, double seconds) {
    const double f = hertz(midi);
    switch (timbre) {
    case Timbre::Marimba: {
        const Signal fundamental = partial(f, seconds, 0.18);
        const Signal overtone = partial(4.0 * f, seconds, 0.03);
        Signal out = sum({{&fundamental, 1.0}, {&overtone, 0.3}});
        shape(out, envelope(seconds, 0.003, 0.02));
        return out;
    }
    case Timbre::Bell: {
        const Signal a = partial(f, seconds, 0.35);
        const Signal b = partial(2.76 * f, seconds, 0.12);
        const Signal c = partial(5.4 * f, seconds, 0.05);
        Signal out = sum({{&a, 1.0}, {&b, 0.45}, {&c, 0.25}});
        shape(out, envelope(seconds, 0.002, 0.03));
        return out;
    }
    case Timbre::Brass: {
        Signal out = oscillator(Wave::Saw, f, seconds, 5.5, 0.006);
        lowpass(out, 6.0 * f);
        lowpass(out, 8.0 * f);
        shape(out, envelope(seconds, 0.035, 0.08));
        return out;
    }
    case Timbre::Soft: {
        Signal out = oscillator(Wave::Triangle, f, seconds, 5.0, 0.004);
        shape(out, envelope(seconds, 0.02, seconds * 0.6));
        return out;
    }
    }
    return {};
}

struct Note {
    double at;
    double midi;
    double seconds;
    double gain = 1.0;
};

Signal melody(Timbre timbre, std::initializer_list<Note> notes) {
    Signal out;
    for (const Note& n : notes) {
        mixInto(out, note(timbre, n.midi, n.seconds), n.at, n.gain);
    }
    return out;
}

Signal howl(Curve pitch, Random& random) {
    return sing({.wave = Wave::Saw,
                 .pitch = std::move(pitch),
                 .seconds = 1.45,
                 .attack = 0.3,
                 .release = 0.45,
                 .vibratoHz = 5.0,
                 .vibratoDepth = 0.012,
                 .breath = 0.08,
                 .formants = {{650.0, 3.0}, {1300.0, 4.0}},
                 .lowpassHz = 1800.0},
                random);
}

Signal roar(Curve pitch, double seconds, double attack, Random& random) {
    return sing({.pitch = std::move(pitch),
                 .seconds = seconds,
                 .attack = attack,
                 .release = seconds * 0.4,
                 .breath = 0.5,
                 .rough = 0.7,
                 .formants = {{450.0, 1.5}, {1000.0, 2.5}},
                 .lowpassHz = 2500.0,
                 .saturation = 3.0},
                random);
}

Signal chirps(double fromHz, double peakHz, int count, double spacing, Random& random) {
    Signal out;
    for (int i = 0; i < count; ++i) {
        const double lift = random.range(0.85, 1.15);
        Voice chirp{.wave = Wave::Sine,
                    .pitch = {{0.0, fromHz * lift}, {0.6, peakHz * lift}, {1.0, fromHz * lift}},
                    .seconds = 0.085,
                    .attack = 0.01,
                    .release = 0.04,
                    .vibratoHz = 35.0,
                    .vibratoDepth = 0.04};
        mixInto(out, sing(chirp, random), i * spacing);
    }
    return out;
}

Signal jingleBells(double seconds, Random& random) {
    Signal out;
    for (double t = 0.0; t < seconds; t += random.range(0.03, 0.07)) {
        const double midi = 96.0 + random.range(-1.0, 1.0);
        mixInto(out, note(Timbre::Bell, midi, 0.25), t, random.range(0.4, 1.0));
    }
    return out;
}

Signal rawCry(Cry which, Random& random) {
    switch (which) {
    case Cry::Tiger:
        return roar({{0.0, 85.0}, {0.3, 115.0}, {1.0, 70.0}}, 1.3, 0.12, random);
    case Cry::Lion:
        return roar({{0.0, 120.0}, {0.25, 175.0}, {0.6, 130.0}, {1.0, 80.0}}, 1.5, 0.25, random);
    case Cry::Wolf:
        return howl({{0.0, 380.0}, {0.25, 620.0}, {0.75, 600.0}, {1.0, 430.0}}, random);
    case Cry::ArcticWolf:
        return howl({{0.0, 330.0}, {0.2, 520.0}, {0.5, 560.0}, {0.7, 470.0}, {1.0, 350.0}}, random);
    case Cry::Zebra: {
        const Voice hee{.pitch = {{0.0, 750.0}, {1.0, 560.0}},
                        .seconds = 0.14,
                        .breath = 0.25,
                        .formants = {{1100.0, 3.0}, {2400.0, 5.0}},
                        .saturation = 1.5};
        const Voice haw{.pitch = {{0.0, 330.0}, {1.0, 260.0}},
                        .seconds = 0.16,
                        .breath = 0.25,
                        .formants = {{800.0, 3.0}, {1800.0, 5.0}},
                        .saturation = 1.5};
        Signal out = repeat(hee, 4, 0.32, random, 0.97);
        mixInto(out, repeat(haw, 4, 0.32, random, 0.97), 0.15);
        return out;
    }
    case Cry::Monkey: {
        const Voice hoo{.pitch = {{0.0, 450.0}, {0.5, 850.0}, {1.0, 700.0}},
                        .seconds = 0.11,
                        .breath = 0.1,
                        .formants = {{800.0, 4.0}, {1800.0, 6.0}},
                        .saturation = 1.2};
        return repeat(hoo, 7, 0.15, random, 1.07);
    }
    case Cry::Gorilla: {
        const Voice hoot{.pitch = {{0.0, 250.0}, {1.0, 330.0}},
                         .seconds = 0.2,
                         .attack = 0.04,
                         .breath = 0.15,
                         .formants = {{500.0, 3.0}, {1000.0, 4.0}}};
        Signal out = repeat(hoot, 2, 0.26, random, 1.1);
        double at = 0.55;
        for (int beat = 0; beat < 7; ++beat) {
            mixInto(out, thump(240.0, 90.0, 0.12, random), at, 1.6);
            at += 0.13 - 0.006 * beat;
        }
        return out;
    }
    case Cry::Lizard: {
        Signal out;
        for (int i = 0; i < 6; ++i) {
            const Voice tick{.wave = Wave::Sine,
                             .pitch = {{0.0, 2900.0}, {1.0, 1700.0}},
                             .seconds = 0.045,
                             .attack = 0.002,
                             .release = 0.03,
                             .breath = 0.2};
            mixInto(out, sing(tick, random), 0.13 * i - 0.004 * i * i);
        }
        return out;
    }
    case Cry::Crocodile: {
        Signal out = sing({.pitch = {{0.0, 70.0}, {0.5, 80.0}, {1.0, 62.0}},
                           .seconds = 1.4,
                           .attack = 0.2,
                           .release = 0.45,
                           .breath = 0.4,
                           .rough = 0.9,
                           .lowpassHz = 1100.0,
                           .saturation = 3.0},
                          random);
        Signal hiss = noise(0.5, random);
        highpass(hiss, 2500.0);
        shape(hiss, envelope(0.5, 0.05, 0.3));
        mixInto(out, hiss, 0.0, 0.1);
        return out;
    }
    case Cry::Elephant:
        return sing({.pitch = {{0.0, 420.0}, {0.15, 880.0}, {0.7, 820.0}, {1.0, 600.0}},
                     .seconds = 1.2,
                     .attack = 0.05,
                     .release = 0.3,
                     .vibratoHz = 7.0,
                     .vibratoDepth = 0.02,
                     .breath = 0.15,
                     .formants = {{1200.0, 2.0}, {2500.0, 3.0}},
                     .saturation = 3.0},
                    random);
    case Cry::Parrot: {
        Signal out = chirps(2200.0, 3600.0, 5, 0.13, random);
        mixInto(out,
                sing({.wave = Wave::Sine,
                      .pitch = {{0.0, 2600.0}, {1.0, 3000.0}},
                      .seconds = 0.35,
                      .vibratoHz = 28.0,
                      .vibratoDepth = 0.08},
                     random),
                0.72);
        return out;
    }
    case Cry::Snake: {
        Signal out = noise(1.3, random);
        highpass(out, 3000.0);
        bandpass(out, 6000.0, 0.8);
        modulate(out, wander(1.3, 12.0, random), 0.3);
        shape(out, envelope(1.3, 0.3, 0.45));
        return out;
    }
    case Cry::Giraffe: {
        Signal out = sing({.wave = Wave::Saw,
                           .pitch = {{0.0, 210.0}, {0.5, 240.0}, {1.0, 200.0}},
                           .seconds = 1.2,
                           .attack = 0.2,
                           .release = 0.5,
                           .vibratoHz = 4.0,
                           .vibratoDepth = 0.03,
                           .rough = 0.2,
                           .formants = {{350.0, 4.0}, {900.0, 6.0}}},
                          random);
        Signal snort = noise(0.18, random);
        bandpass(snort, 900.0, 1.2);
        shape(snort, envelope(0.18, 0.01, 0.12));
        mixInto(out, snort, 0.0, 0.3);
        return out;
    }
    case Cry::Penguin: {
        Voice bray{.pitch = {{0.0, 480.0}, {1.0, 520.0}},
                   .seconds = 0.14,
                   .breath = 0.2,
                   .formants = {{900.0, 4.0}, {1600.0, 5.0}},
                   .saturation = 2.0};
        Signal out = repeat(bray, 3, 0.19, random, 1.05);
        bray.pitch = {{0.0, 540.0}, {0.3, 620.0}, {1.0, 450.0}};
        bray.seconds = 0.6;
        bray.vibratoHz = 9.0;
        bray.vibratoDepth = 0.04;
        mixInto(out, sing(bray, random), 0.6);
        return out;
    }
    case Cry::Walrus: {
        const Voice bellow{.pitch = {{0.0, 95.0}, {0.3, 125.0}, {1.0, 85.0}},
                           .seconds = 0.6,
                           .attack = 0.06,
                           .release = 0.2,
                           .breath = 0.3,
                           .rough = 0.7,
                           .formants = {{350.0, 2.0}, {800.0, 3.0}},
                           .saturation = 2.5};
        return repeat(bellow, 2, 0.75, random, 0.9);
    }
    case Cry::PolarBear: {
        const Voice huff{.pitch = {{0.0, 105.0}, {1.0, 75.0}},
                         .seconds = 0.3,
                         .attack = 0.03,
                         .release = 0.15,
                         .breath = 0.6,
                         .rough = 0.7,
                         .formants = {{300.0, 1.5}, {700.0, 2.0}},
                         .saturation = 2.5};
        return repeat(huff, 3, 0.42, random, 0.95);
    }
    case Cry::Seal: {
        const Voice ork{.pitch = {{0.0, 380.0}, {0.3, 430.0}, {1.0, 260.0}},
                        .seconds = 0.17,
                        .breath = 0.15,
                        .formants = {{700.0, 3.0}, {1300.0, 4.0}},
                        .saturation = 2.0};
        return repeat(ork, 3, 0.28, random, 1.06);
    }
    case Cry::Fox: {
        const Voice yip{.pitch = {{0.0, 900.0}, {0.3, 1300.0}, {1.0, 800.0}},
                        .seconds = 0.16,
                        .breath = 0.1,
                        .formants = {{1500.0, 3.0}, {3000.0, 4.0}},
                        .saturation = 1.5};
        return repeat(yip, 3, 0.25, random, 1.04);
    }
    case Cry::Goose: {
        Voice honk{.wave = Wave::Square,
                   .pitch = {{0.0, 330.0}, {0.2, 365.0}, {1.0, 320.0}},
                   .seconds = 0.2,
                   .formants = {{1100.0, 5.0}, {2400.0, 6.0}},
                   .saturation = 1.5};
        Signal out = repeat(honk, 2, 0.3, random, 1.03);
        honk.seconds = 0.4;
        mixInto(out, sing(honk, random), 0.62);
        return out;
    }
    case Cry::Rabbit: {
        Signal out = chirps(1700.0, 2500.0, 3, 0.11, random);
        mixInto(out, thump(200.0, 80.0, 0.14, random), 0.45, 1.4);
        mixInto(out, thump(200.0, 80.0, 0.14, random), 0.65, 1.4);
        return out;
    }
    case Cry::Moose:
        return sing({.pitch = {{0.0, 160.0}, {0.2, 195.0}, {0.8, 170.0}, {1.0, 120.0}},
                     .seconds = 1.4,
                     .attack = 0.15,
                     .release = 0.5,
                     .breath = 0.1,
                     .rough = 0.3,
                     .formants = {{450.0, 5.0}, {1100.0, 6.0}},
                     .saturation = 1.5},
                    random);
    case Cry::Reindeer: {
        const Voice grunt{.pitch = {{0.0, 130.0}, {1.0, 100.0}},
                          .seconds = 0.22,
                          .breath = 0.4,
                          .rough = 0.6,
                          .formants = {{400.0, 2.0}, {900.0, 3.0}},
                          .saturation = 2.0};
        Signal out = repeat(grunt, 2, 0.28, random);
        mixInto(out, jingleBells(0.65, random), 0.45, 0.5);
        return out;
    }
    }
    return {};
}

} // namespace

Signal cry(Cry which) {
    Random random(0xC0FFEEu + static_cast<unsigned>(which));
    Signal out = rawCry(which, random);
    highpass(out, 35.0); // saturated voices lean to one side: keep the speaker centred
    levelOut(out, -8.0);
    finish(out);
    levelLoudness(out);
    return out;
}

Signal jingle(Jingle which) {
    Signal out;
    switch (which) {
    case Jingle::Welcome:
        out = melody(Timbre::Marimba, {{0.0, 72, 0.3},
                                       {0.14, 76, 0.3},
                                       {0.28, 79, 0.3},
                                       {0.42, 84, 0.8},
                                       {0.42, 76, 0.8, 0.5}});
        mixInto(out, note(Timbre::Bell, 96, 0.6), 0.42, 0.25);
        break;
    case Jingle::PairFound:
        out = melody(Timbre::Bell, {{0.0, 88, 0.5}, {0.09, 95, 0.55}, {0.2, 100, 0.45, 0.5}});
        break;
    case Jingle::Won:
        out = melody(Timbre::Brass, {{0.0, 67, 0.16},
                                     {0.18, 72, 0.16},
                                     {0.36, 76, 0.16},
                                     {0.54, 79, 0.45},
                                     {1.02, 76, 0.16},
                                     {1.2, 79, 1.2},
                                     {1.2, 72, 1.2, 0.6},
                                     {1.2, 64, 1.2, 0.5}});
        mixInto(out, melody(Timbre::Bell, {{1.2, 91, 0.9}, {1.45, 96, 0.9}, {1.7, 100, 0.7}}), 0.0,
                0.25);
        break;
    case Jingle::Goodbye:
        out = melody(Timbre::Soft,
                     {{0.0, 79, 0.35}, {0.3, 76, 0.35}, {0.6, 72, 0.7}, {0.6, 67, 0.7, 0.5}});
        break;
    }
    finish(out);
    return out;
}
