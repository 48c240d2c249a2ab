// SPDX-License-Identifier: MIT
#pragma once

#include "Synth.h"

#include <QString>

// Longest cry kept from a recording, and longest spoken name, in seconds.
constexpr double kMaxRecordedCrySeconds = 3.0;
constexpr double kMaxNameSeconds = 2.5;
// How much of a recording is decoded: the longest cry after a quiet lead-in, and a little more
// to see whether it goes on.
constexpr double kDecodedSeconds = 5.0;

// The first `maxSeconds` of an Ogg Vorbis file, channels mixed to mono, at synth::kRate.
// Throws std::runtime_error saying why when the file cannot be opened or decoded, or is silent.
synth::Signal decodeOgg(const QString& path, double maxSeconds);

// A recording made into a cry: quiet ends trimmed, cut at its quietest moment when longer than
// kMaxRecordedCrySeconds, faded in and out over 10 ms, at the common loudness.
synth::Signal recordedCry(synth::Signal recording);

// A voice saying a name made into the pack's name, said after the cry: quiet ends trimmed, cut at
// a pause when longer than kMaxNameSeconds, at the cries' loudness, after a short pause.
synth::Signal spokenName(synth::Signal voice);
