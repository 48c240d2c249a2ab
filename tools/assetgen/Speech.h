// SPDX-License-Identifier: MIT
#pragma once

#include "Synth.h"

#include <QString>

// A French text spoken by the speech synthesiser `program` (espeak-ng's command line), at a
// child's pace, at synth::kRate. Throws std::runtime_error saying why when it cannot be run or
// gives no sound.
synth::Signal spokenBySynthesiser(const QString& program, const QString& text);

// The synthesiser's name and version, as it tells them; throws as spokenBySynthesiser does.
QString synthesiserVersion(const QString& program);
