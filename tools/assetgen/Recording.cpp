// SPDX-License-Identifier: MIT
#include "Recording.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace synth;

namespace {

constexpr double kSilentPeak = 0.001;
// A lead-in quieter than the first below the loudest moment is left out, and so is a tail quieter
// than the second, or no more than 10 dB above the background's hiss; a tail louder than the
// third is the sound itself, however loud the background.
constexpr double kLeadInDb = -30.0;
constexpr double kTailDb = -45.0;
constexpr double kTailAtMostDb = -25.0;
constexpr double kAboveNoise = 10.0; // in energy: 10 dB
constexpr double kWindowSeconds = 0.02;
constexpr double kEarliestCryCutSeconds = 1.5;
constexpr double kEarliestNameCutSeconds = 0.8;
// Between the cry and the name, so that the two are heard apart.
constexpr double kPauseBeforeNameSeconds = 0.12;
constexpr double kFadeMs = 10.0;

[[noreturn]] void fail(const QString& path, const std::string& why) {
    throw std::runtime_error(path.toStdString() + ": " + why);
}

std::string vorbisError(long code) {
    switch (code) {
    case OV_EREAD:
        return "read error";
    case OV_ENOTVORBIS:
        return "not Ogg Vorbis data";
    case OV_EVERSION:
        return "unsupported Vorbis version";
    case OV_EBADHEADER:
        return "damaged Vorbis header";
    case OV_EBADLINK:
    case OV_EINVAL:
        return "damaged Vorbis stream";
    default:
        return "Vorbis error " + std::to_string(code);
    }
}

class OggFile {
public:
    explicit OggFile(const QString& path) {
        std::FILE* in = std::fopen(QFile::encodeName(path).constData(), "rb");
        if (in == nullptr) {
            fail(path, std::strerror(errno));
        }
        if (const int error = ov_open(in, &file_, nullptr, 0); error != 0) {
            std::fclose(in);
            fail(path, vorbisError(error));
        }
    }
    ~OggFile() { ov_clear(&file_); }
    OggFile(const OggFile&) = delete;
    OggFile& operator=(const OggFile&) = delete;

    OggVorbis_File* get() { return &file_; }

private:
    OggVorbis_File file_{};
};

std::size_t samples(double seconds) {
    return static_cast<std::size_t>(seconds * kRate);
}

double meanSquare(const Signal& signal, std::size_t from, std::size_t count) {
    double energy = 0.0;
    for (std::size_t i = from; i < from + count; ++i) {
        energy += static_cast<double>(signal[i]) * signal[i];
    }
    return energy / static_cast<double>(std::max<std::size_t>(1, count));
}

double peakOf(const Signal& signal) {
    double peak = 0.0;
    for (float sample : signal) {
        peak = std::max(peak, static_cast<double>(std::abs(sample)));
    }
    return peak;
}

// Mean square of each successive window of kWindowSeconds.
std::vector<double> windowEnergies(const Signal& signal) {
    const std::size_t window = samples(kWindowSeconds);
    std::vector<double> energies;
    for (std::size_t at = 0; at + window <= signal.size(); at += window) {
        energies.push_back(meanSquare(signal, at, window));
    }
    return energies;
}

// The level of the recording's background, hiss or room: that of its quieter windows.
double noiseFloor(std::vector<double> energies) {
    const auto quiet = energies.begin() + static_cast<std::ptrdiff_t>(energies.size() / 10);
    std::nth_element(energies.begin(), quiet, energies.end());
    return *quiet;
}

// Leaves out a quiet lead-in, so the cry answers the child's press at once, and a quiet tail or
// one of mere hiss.
void trimQuietEnds(Signal& signal) {
    const std::vector<double> energies = windowEnergies(signal);
    const double loudest =
        energies.empty() ? 0.0 : *std::max_element(energies.begin(), energies.end());
    if (loudest <= 0.0) {
        return;
    }
    const auto below = [loudest](double db) { return loudest * std::pow(10.0, db / 10.0); };
    const double tailFloor = std::min(std::max(below(kTailDb), noiseFloor(energies) * kAboveNoise),
                                      below(kTailAtMostDb));
    const auto above = [](double floor) { return [floor](double e) { return e > floor; }; };
    const auto first = static_cast<std::size_t>(
        std::find_if(energies.begin(), energies.end(), above(below(kLeadInDb))) - energies.begin());
    const auto last = static_cast<std::size_t>(
        std::find_if(energies.rbegin(), energies.rend(), above(tailFloor)).base() -
        energies.begin());
    const std::size_t window = samples(kWindowSeconds);
    const std::size_t begin = first > 0 ? (first - 1) * window : 0;
    const std::size_t end = std::min(signal.size(), (last + 1) * window);
    signal = Signal(signal.begin() + static_cast<std::ptrdiff_t>(begin),
                    signal.begin() + static_cast<std::ptrdiff_t>(end));
}

// Ends a recording longer than `longestSeconds` at its last nearly quietest moment after
// `earliestSeconds`.
void cutAtNaturalEnd(Signal& signal, double longestSeconds, double earliestSeconds) {
    const std::size_t longest = samples(longestSeconds);
    if (signal.size() <= longest) {
        return;
    }
    const std::vector<double> energies = windowEnergies(
        Signal(signal.begin(), signal.begin() + static_cast<std::ptrdiff_t>(longest)));
    const auto earliest = static_cast<std::ptrdiff_t>(earliestSeconds / kWindowSeconds);
    const double quietest = *std::min_element(energies.begin() + earliest, energies.end());
    const auto last = std::find_if(energies.rbegin(), energies.rend(),
                                   [quietest](double e) { return e <= 2.0 * quietest; });
    const auto index = static_cast<std::size_t>(last.base() - energies.begin() - 1);
    signal.resize(index * samples(kWindowSeconds) + samples(kWindowSeconds) / 2);
}

// Quiet ends trimmed, cut at a natural end when longer than `longestSeconds`, faded in and out,
// at the common loudness.
Signal levelledSound(Signal sound, double longestSeconds, double earliestCutSeconds) {
    highpass(sound, 30.0); // a recording's offset or rumble would only take loudness
    trimQuietEnds(sound);
    cutAtNaturalEnd(sound, longestSeconds, earliestCutSeconds);
    finish(sound, 0.0, kFadeMs);
    levelLoudness(sound);
    return sound;
}

} // namespace

Signal decodeOgg(const QString& path, double maxSeconds) {
    OggFile file(path);
    const vorbis_info* info = ov_info(file.get(), -1);
    if (info == nullptr || info->channels < 1 || info->rate < 8000) {
        fail(path, "no audio stream");
    }
    const auto wanted = static_cast<std::size_t>(maxSeconds * static_cast<double>(info->rate));
    Signal mono;
    while (mono.size() < wanted) {
        float** channels = nullptr;
        int section = 0;
        const long read = ov_read_float(
            file.get(), &channels,
            static_cast<int>(std::min<std::size_t>(4096, wanted - mono.size())), &section);
        if (read == 0) {
            break;
        }
        if (read == OV_HOLE) {
            continue; // a gap in the data: decoding goes on after it
        }
        if (read < 0) {
            fail(path, vorbisError(read));
        }
        // A chained file may change its number of channels from one link to the next.
        const int count = ov_info(file.get(), section)->channels;
        for (long i = 0; i < read; ++i) {
            float sum = 0.0f;
            for (int c = 0; c < count; ++c) {
                sum += channels[c][i];
            }
            mono.push_back(sum / static_cast<float>(count));
        }
    }
    if (peakOf(mono) < kSilentPeak) {
        fail(path, "no sound in it");
    }
    return resample(mono, info->rate, kRate);
}

Signal recordedCry(Signal recording) {
    return levelledSound(std::move(recording), kMaxRecordedCrySeconds, kEarliestCryCutSeconds);
}

Signal spokenName(Signal voice) {
    Signal name = levelledSound(std::move(voice), kMaxNameSeconds - kPauseBeforeNameSeconds,
                                kEarliestNameCutSeconds);
    name.insert(name.begin(), samples(kPauseBeforeNameSeconds), 0.0f);
    return name;
}
