// SPDX-License-Identifier: MIT
// A name recorded by the family made into a spoken name as the pack's are made, and written.
#pragma once

#include <string>
#include <vector>

// The longest recording, pause before the name included.
inline constexpr double kSecondesPrise = 2.5;

// prise (mono, from -1 to 1, at frequence) as the pack's names are: the rumble filtered out,
// the quiet before and after left out, faded in and out, at the pack's loudness, after a short
// pause that sets it apart from the cry. Empty when nothing but silence was heard.
std::vector<float> NomEnregistre(std::vector<float> prise, int frequence);

// son written to fichier as a 16-bit PCM mono WAV file, whole or not at all, its folders made
// when missing; false when it could not be written.
bool EcritWav(const std::string& fichier, const std::vector<float>& son, int frequence);
