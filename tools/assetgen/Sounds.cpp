// SPDX-License-Identifier: MIT
#include "Sounds.h"

#include "Random.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>
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

// A hiss or a snort: noise through filters (each left out at 0), with an envelope.
struct Hiss {
    double seconds;
    double highpassHz = 0.0;
    double bandHz = 0.0;
    double bandQ = 1.0;
    double shimmerHz = 0.0; // how fast its level wanders, and by how much
    double shimmer = 0.0;
    double attack;
    double release;
};

Signal breathe(const Hiss& hiss, Random& random) {
    Signal out = noise(hiss.seconds, random);
    if (hiss.highpassHz > 0.0) {
        highpass(out, hiss.highpassHz);
    }
    if (hiss.bandHz > 0.0) {
        bandpass(out, hiss.bandHz, hiss.bandQ);
    }
    if (hiss.shimmer > 0.0) {
        modulate(out, wander(hiss.seconds, hiss.shimmerHz, random), hiss.shimmer);
    }
    shape(out, envelope(hiss.seconds, hiss.attack, hiss.release));
    return out;
}

// A dull hit whose pitch falls: chest beats, thumps.
struct Thump {
    double fromHz;
    double toHz;
    double seconds;
};

Signal beat(const Thump& thump, Random& random) {
    Signal body = oscillator(Wave::Sine, {{0.0, thump.fromHz}, {1.0, thump.toHz}}, thump.seconds);
    Signal slap = noise(0.03, random);
    bandpass(slap, 1200.0, 1.0);
    decay(slap, 0.006);
    mixInto(body, slap, 0.0, 0.6);
    decay(body, thump.seconds / 4.0);
    return body;
}

// Little bells shaken at random for `seconds`.
struct Bells {
    double seconds;
};

Signal shake(const Bells& bells, Random& random) {
    Signal out;
    for (double t = 0.0; t < bells.seconds; t += random.range(0.03, 0.07)) {
        const double midi = 96.0 + random.range(-1.0, 1.0);
        mixInto(out, note(Timbre::Bell, midi, 0.25), t, random.range(0.4, 1.0));
    }
    return out;
}

// One part of a cry: its sound made `count` times, the n-th at
// `at + n * spacing - hurry * n * n` seconds (a hurry quickens the beat), with `gain`. A voice
// is `step` times higher each time; with a `lift`, each is also higher or lower at random by up
// to that share, as chirps are.
struct Part {
    std::variant<Voice, Hiss, Thump, Bells> sound;
    double at = 0.0;
    double gain = 1.0;
    int count = 1;
    double spacing = 0.0;
    double hurry = 0.0;
    double step = 1.0;
    double lift = 0.0;
};

struct Recipe {
    Cry cry;
    std::vector<Part> parts;
};

const Voice kHowl{.wave = Wave::Saw,
                  .seconds = 1.45,
                  .attack = 0.3,
                  .release = 0.45,
                  .vibratoHz = 5.0,
                  .vibratoDepth = 0.012,
                  .breath = 0.08,
                  .formants = {{650.0, 3.0}, {1300.0, 4.0}},
                  .lowpassHz = 1800.0};

const Voice kRoar{.breath = 0.5,
                  .rough = 0.7,
                  .formants = {{450.0, 1.5}, {1000.0, 2.5}},
                  .lowpassHz = 2500.0,
                  .saturation = 3.0};

const Voice kChirp{.wave = Wave::Sine,
                   .seconds = 0.085,
                   .attack = 0.01,
                   .release = 0.04,
                   .vibratoHz = 35.0,
                   .vibratoDepth = 0.04};

// The voices above, with what each cry changes.
Voice howl(Curve pitch) {
    Voice voice = kHowl;
    voice.pitch = std::move(pitch);
    return voice;
}

Voice roar(Curve pitch, double seconds, double attack) {
    Voice voice = kRoar;
    voice.pitch = std::move(pitch);
    voice.seconds = seconds;
    voice.attack = attack;
    voice.release = seconds * 0.4;
    return voice;
}

Voice chirp(double fromHz, double peakHz) {
    Voice voice = kChirp;
    voice.pitch = {{0.0, fromHz}, {0.6, peakHz}, {1.0, fromHz}};
    return voice;
}

const Voice kPenguinBray{.pitch = {{0.0, 480.0}, {1.0, 520.0}},
                         .seconds = 0.14,
                         .breath = 0.2,
                         .formants = {{900.0, 4.0}, {1600.0, 5.0}},
                         .saturation = 2.0};

const Voice kGooseHonk{.wave = Wave::Square,
                       .pitch = {{0.0, 330.0}, {0.2, 365.0}, {1.0, 320.0}},
                       .seconds = 0.2,
                       .formants = {{1100.0, 5.0}, {2400.0, 6.0}},
                       .saturation = 1.5};

Voice longer(Voice voice, double seconds) {
    voice.seconds = seconds;
    return voice;
}

// A bleat: the trembling vowel of sheep and goats.
Voice bleat(double hz, double seconds, double trembleHz) {
    return Voice{.pitch = {{0.0, hz}, {0.2, hz * 1.12}, {1.0, hz * 0.9}},
                 .seconds = seconds,
                 .attack = 0.04,
                 .release = seconds * 0.4,
                 .vibratoHz = trembleHz,
                 .vibratoDepth = 0.07,
                 .breath = 0.2,
                 .formants = {{750.0, 3.0}, {1300.0, 4.0}},
                 .saturation = 1.5};
}

// A short cry of a farmyard bird or dog, said several times.
Voice call(Curve pitch, double seconds, std::vector<std::pair<double, double>> formants) {
    return Voice{.pitch = std::move(pitch),
                 .seconds = seconds,
                 .attack = 0.01,
                 .release = seconds * 0.4,
                 .breath = 0.2,
                 .formants = std::move(formants),
                 .saturation = 2.0};
}

const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> kTable{
        {Cry::Tiger, {{.sound = roar({{0.0, 85.0}, {0.3, 115.0}, {1.0, 70.0}}, 1.3, 0.12)}}},
        {Cry::Lion,
         {{.sound = roar({{0.0, 120.0}, {0.25, 175.0}, {0.6, 130.0}, {1.0, 80.0}}, 1.5, 0.25)}}},
        {Cry::Wolf, {{.sound = howl({{0.0, 380.0}, {0.25, 620.0}, {0.75, 600.0}, {1.0, 430.0}})}}},
        {Cry::ArcticWolf,
         {{.sound = howl({{0.0, 330.0}, {0.2, 520.0}, {0.5, 560.0}, {0.7, 470.0}, {1.0, 350.0}})}}},
        {Cry::Zebra,
         {{.sound = Voice{.pitch = {{0.0, 750.0}, {1.0, 560.0}},
                          .seconds = 0.14,
                          .breath = 0.25,
                          .formants = {{1100.0, 3.0}, {2400.0, 5.0}},
                          .saturation = 1.5},
           .count = 4,
           .spacing = 0.32,
           .step = 0.97},
          {.sound = Voice{.pitch = {{0.0, 330.0}, {1.0, 260.0}},
                          .seconds = 0.16,
                          .breath = 0.25,
                          .formants = {{800.0, 3.0}, {1800.0, 5.0}},
                          .saturation = 1.5},
           .at = 0.15,
           .count = 4,
           .spacing = 0.32,
           .step = 0.97}}},
        {Cry::Monkey,
         {{.sound = Voice{.pitch = {{0.0, 450.0}, {0.5, 850.0}, {1.0, 700.0}},
                          .seconds = 0.11,
                          .breath = 0.1,
                          .formants = {{800.0, 4.0}, {1800.0, 6.0}},
                          .saturation = 1.2},
           .count = 7,
           .spacing = 0.15,
           .step = 1.07}}},
        {Cry::Gorilla,
         {{.sound = Voice{.pitch = {{0.0, 250.0}, {1.0, 330.0}},
                          .seconds = 0.2,
                          .attack = 0.04,
                          .breath = 0.15,
                          .formants = {{500.0, 3.0}, {1000.0, 4.0}}},
           .count = 2,
           .spacing = 0.26,
           .step = 1.1},
          {.sound = Thump{240.0, 90.0, 0.12},
           .at = 0.55,
           .gain = 1.6,
           .count = 7,
           .spacing = 0.133,
           .hurry = 0.003}}},
        {Cry::Lizard,
         {{.sound = Voice{.wave = Wave::Sine,
                          .pitch = {{0.0, 2900.0}, {1.0, 1700.0}},
                          .seconds = 0.045,
                          .attack = 0.002,
                          .release = 0.03,
                          .breath = 0.2},
           .count = 6,
           .spacing = 0.13,
           .hurry = 0.004}}},
        {Cry::Crocodile,
         {{.sound = Voice{.pitch = {{0.0, 70.0}, {0.5, 80.0}, {1.0, 62.0}},
                          .seconds = 1.4,
                          .attack = 0.2,
                          .release = 0.45,
                          .breath = 0.4,
                          .rough = 0.9,
                          .lowpassHz = 1100.0,
                          .saturation = 3.0}},
          {.sound = Hiss{.seconds = 0.5, .highpassHz = 2500.0, .attack = 0.05, .release = 0.3},
           .gain = 0.1}}},
        {Cry::Elephant,
         {{.sound = Voice{.pitch = {{0.0, 420.0}, {0.15, 880.0}, {0.7, 820.0}, {1.0, 600.0}},
                          .seconds = 1.2,
                          .attack = 0.05,
                          .release = 0.3,
                          .vibratoHz = 7.0,
                          .vibratoDepth = 0.02,
                          .breath = 0.15,
                          .formants = {{1200.0, 2.0}, {2500.0, 3.0}},
                          .saturation = 3.0}}}},
        {Cry::Parrot,
         {{.sound = chirp(2200.0, 3600.0), .count = 5, .spacing = 0.13, .lift = 0.15},
          {.sound = Voice{.wave = Wave::Sine,
                          .pitch = {{0.0, 2600.0}, {1.0, 3000.0}},
                          .seconds = 0.35,
                          .vibratoHz = 28.0,
                          .vibratoDepth = 0.08},
           .at = 0.72}}},
        {Cry::Snake,
         {{.sound = Hiss{.seconds = 1.3,
                         .highpassHz = 3000.0,
                         .bandHz = 6000.0,
                         .bandQ = 0.8,
                         .shimmerHz = 12.0,
                         .shimmer = 0.3,
                         .attack = 0.3,
                         .release = 0.45}}}},
        {Cry::Giraffe,
         {{.sound = Voice{.wave = Wave::Saw,
                          .pitch = {{0.0, 210.0}, {0.5, 240.0}, {1.0, 200.0}},
                          .seconds = 1.2,
                          .attack = 0.2,
                          .release = 0.5,
                          .vibratoHz = 4.0,
                          .vibratoDepth = 0.03,
                          .rough = 0.2,
                          .formants = {{350.0, 4.0}, {900.0, 6.0}}}},
          {.sound =
               Hiss{
                   .seconds = 0.18, .bandHz = 900.0, .bandQ = 1.2, .attack = 0.01, .release = 0.12},
           .gain = 0.3}}},
        {Cry::Penguin,
         {{.sound = kPenguinBray, .count = 3, .spacing = 0.19, .step = 1.05},
          {.sound = Voice{.pitch = {{0.0, 540.0}, {0.3, 620.0}, {1.0, 450.0}},
                          .seconds = 0.6,
                          .vibratoHz = 9.0,
                          .vibratoDepth = 0.04,
                          .breath = kPenguinBray.breath,
                          .formants = kPenguinBray.formants,
                          .saturation = kPenguinBray.saturation},
           .at = 0.6}}},
        {Cry::Walrus,
         {{.sound = Voice{.pitch = {{0.0, 95.0}, {0.3, 125.0}, {1.0, 85.0}},
                          .seconds = 0.6,
                          .attack = 0.06,
                          .release = 0.2,
                          .breath = 0.3,
                          .rough = 0.7,
                          .formants = {{350.0, 2.0}, {800.0, 3.0}},
                          .saturation = 2.5},
           .count = 2,
           .spacing = 0.75,
           .step = 0.9}}},
        {Cry::PolarBear,
         {{.sound = Voice{.pitch = {{0.0, 105.0}, {1.0, 75.0}},
                          .seconds = 0.3,
                          .attack = 0.03,
                          .release = 0.15,
                          .breath = 0.6,
                          .rough = 0.7,
                          .formants = {{300.0, 1.5}, {700.0, 2.0}},
                          .saturation = 2.5},
           .count = 3,
           .spacing = 0.42,
           .step = 0.95}}},
        {Cry::Seal,
         {{.sound = Voice{.pitch = {{0.0, 380.0}, {0.3, 430.0}, {1.0, 260.0}},
                          .seconds = 0.17,
                          .breath = 0.15,
                          .formants = {{700.0, 3.0}, {1300.0, 4.0}},
                          .saturation = 2.0},
           .count = 3,
           .spacing = 0.28,
           .step = 1.06}}},
        {Cry::Fox,
         {{.sound = Voice{.pitch = {{0.0, 900.0}, {0.3, 1300.0}, {1.0, 800.0}},
                          .seconds = 0.16,
                          .breath = 0.1,
                          .formants = {{1500.0, 3.0}, {3000.0, 4.0}},
                          .saturation = 1.5},
           .count = 3,
           .spacing = 0.25,
           .step = 1.04}}},
        {Cry::Goose,
         {{.sound = kGooseHonk, .count = 2, .spacing = 0.3, .step = 1.03},
          {.sound = longer(kGooseHonk, 0.4), .at = 0.62}}},
        {Cry::Rabbit,
         {{.sound = chirp(1700.0, 2500.0), .count = 3, .spacing = 0.11, .lift = 0.15},
          {.sound = Thump{200.0, 80.0, 0.14},
           .at = 0.45,
           .gain = 1.4,
           .count = 2,
           .spacing = 0.2}}},
        {Cry::Moose,
         {{.sound = Voice{.pitch = {{0.0, 160.0}, {0.2, 195.0}, {0.8, 170.0}, {1.0, 120.0}},
                          .seconds = 1.4,
                          .attack = 0.15,
                          .release = 0.5,
                          .breath = 0.1,
                          .rough = 0.3,
                          .formants = {{450.0, 5.0}, {1100.0, 6.0}},
                          .saturation = 1.5}}}},
        {Cry::Reindeer,
         {{.sound = Voice{.pitch = {{0.0, 130.0}, {1.0, 100.0}},
                          .seconds = 0.22,
                          .breath = 0.4,
                          .rough = 0.6,
                          .formants = {{400.0, 2.0}, {900.0, 3.0}},
                          .saturation = 2.0},
           .count = 2,
           .spacing = 0.28},
          {.sound = Bells{0.65}, .at = 0.45, .gain = 0.5}}},
        {Cry::Cow,
         {{.sound = Voice{.pitch = {{0.0, 120.0}, {0.3, 165.0}, {1.0, 115.0}},
                          .seconds = 1.4,
                          .attack = 0.2,
                          .release = 0.5,
                          .breath = 0.1,
                          .rough = 0.2,
                          .formants = {{300.0, 3.0}, {700.0, 4.0}},
                          .saturation = 1.5}}}},
        {Cry::Sheep, {{.sound = bleat(320.0, 0.8, 8.0)}}},
        {Cry::Goat, {{.sound = bleat(440.0, 0.45, 11.0), .count = 2, .spacing = 0.55}}},
        {Cry::Horse,
         {{.sound = Voice{.pitch = {{0.0, 900.0}, {0.2, 1150.0}, {1.0, 480.0}},
                          .seconds = 1.1,
                          .attack = 0.03,
                          .release = 0.3,
                          .vibratoHz = 12.0,
                          .vibratoDepth = 0.08,
                          .breath = 0.3,
                          .formants = {{1000.0, 3.0}, {2200.0, 4.0}},
                          .saturation = 2.0}},
          {.sound =
               Hiss{.seconds = 0.3, .bandHz = 700.0, .bandQ = 1.0, .attack = 0.02, .release = 0.15},
           .at = 1.15,
           .gain = 0.4}}},
        {Cry::Pig,
         {{.sound = Voice{.pitch = {{0.0, 170.0}, {1.0, 120.0}},
                          .seconds = 0.18,
                          .breath = 0.4,
                          .rough = 0.8,
                          .formants = {{500.0, 2.0}, {1100.0, 3.0}},
                          .saturation = 2.5},
           .count = 3,
           .spacing = 0.26,
           .step = 1.05}}},
        {Cry::Dog,
         {{.sound = call({{0.0, 380.0}, {0.3, 520.0}, {1.0, 300.0}}, 0.14,
                         {{600.0, 3.0}, {1500.0, 4.0}}),
           .count = 2,
           .spacing = 0.35}}},
        {Cry::Mouse, {{.sound = chirp(4000.0, 5200.0), .count = 3, .spacing = 0.12, .lift = 0.1}}},
        {Cry::Hen,
         {{.sound = call({{0.0, 500.0}, {1.0, 420.0}}, 0.07, {{900.0, 4.0}, {2000.0, 5.0}}),
           .count = 4,
           .spacing = 0.16},
          {.sound =
               call({{0.0, 520.0}, {0.4, 700.0}, {1.0, 560.0}}, 0.3, {{900.0, 4.0}, {2000.0, 5.0}}),
           .at = 0.7}}},
        {Cry::Rooster,
         {{.sound = call({{0.0, 600.0}, {1.0, 650.0}}, 0.15, {{1000.0, 3.0}, {2200.0, 4.0}}),
           .count = 3,
           .spacing = 0.2,
           .step = 1.12},
          {.sound = call({{0.0, 760.0}, {0.3, 800.0}, {1.0, 500.0}}, 0.7,
                         {{1000.0, 3.0}, {2200.0, 4.0}}),
           .at = 0.62}}},
        {Cry::Duck,
         {{.sound = Voice{.wave = Wave::Square,
                          .pitch = {{0.0, 300.0}, {1.0, 250.0}},
                          .seconds = 0.16,
                          .breath = 0.2,
                          .formants = {{1000.0, 5.0}, {2100.0, 6.0}},
                          .saturation = 2.0},
           .count = 3,
           .spacing = 0.24,
           .step = 0.97}}},
        {Cry::Turkey,
         {{.sound = Voice{.pitch = {{0.0, 500.0}, {0.4, 700.0}, {1.0, 450.0}},
                          .seconds = 0.6,
                          .vibratoHz = 25.0,
                          .vibratoDepth = 0.15,
                          .breath = 0.15,
                          .formants = {{900.0, 3.0}, {1900.0, 4.0}},
                          .saturation = 1.5},
           .count = 2,
           .spacing = 0.75}}},
    };
    return kTable;
}

Signal make(const std::variant<Voice, Hiss, Thump, Bells>& sound, Random& random) {
    if (const Voice* voice = std::get_if<Voice>(&sound)) {
        return sing(*voice, random);
    }
    if (const Hiss* hiss = std::get_if<Hiss>(&sound)) {
        return breathe(*hiss, random);
    }
    if (const Thump* thump = std::get_if<Thump>(&sound)) {
        return beat(*thump, random);
    }
    return shake(std::get<Bells>(sound), random);
}

// The one synthesiser of the cries: every part of the recipe, in order, into one signal.
Signal rawCry(Cry which, Random& random) {
    const auto& table = recipes();
    const auto recipe = std::find_if(table.begin(), table.end(),
                                     [which](const Recipe& r) { return r.cry == which; });
    Signal out;
    for (const Part& part : recipe->parts) {
        auto sound = part.sound;
        for (int n = 0; n < part.count; ++n) {
            auto once = sound;
            Voice* voice = std::get_if<Voice>(&once);
            if (voice && part.lift > 0.0) {
                voice->pitch = voice->pitch.scaled(random.range(1.0 - part.lift, 1.0 + part.lift));
            }
            mixInto(out, make(once, random), part.at + n * part.spacing - part.hurry * n * n,
                    part.gain);
            if (Voice* next = std::get_if<Voice>(&sound)) {
                next->pitch = next->pitch.scaled(part.step);
            }
        }
    }
    return out;
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
