// SPDX-License-Identifier: MIT
// The family's own sounds: a file of the family's folder (DossierFamille) under a pack sound's
// name, "Savane/Nom_Lion.wav" for "./Savane/Nom_Lion.wav", is played instead of the pack's.
// The folder is read at the first sound, and again only once RelitDossierFamille has been
// called: a reveal looks nothing up on the disk.
#pragma once

#include <cstdio>
#include <string>

// The file to play for the pack's sound fichier: the family's when the folder has one that can
// be read as a sound, else fichier itself. A family's file that cannot be read is said once
// in espion (the trace, when there is one).
std::string SonAJouer(const std::string& fichier, FILE* espion);

// Where the family's file for the pack's sound fichier is (whether it exists or not); empty
// for a name outside the pack's folder.
std::string FichierFamille(const std::string& fichier);

// The folder was changed: it is read again at the next sound.
void RelitDossierFamille();
