// SPDX-License-Identifier: MIT
// What the fuzz targets share: a scratch folder and silent message boxes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Sets up, once, an offscreen application whose message boxes answer OK without showing,
// and a scratch folder; returns the path of name inside that folder.
std::string FichierFuzz(const std::string& nom);

// Writes the input to path.
void EcritEntree(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille);
