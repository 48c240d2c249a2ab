// SPDX-License-Identifier: MIT
#pragma once

#include "Synth.h"

#include <QByteArray>

// Mono 16-bit PCM WAV file contents at synth::kRate; samples are clamped to [-1, 1].
QByteArray wavFile(const synth::Signal& signal);
