// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Where the settings file and the trace are kept. A program installed where its user cannot
// write keeps them in the user's own folders instead (freedesktop base directories); the
// per-user folder is created when it is chosen.

// The settings file: fichier itself when it can be written there, else a file of the same
// name in $XDG_CONFIG_HOME/kornibelle/ (by default ~/.config/kornibelle/).
std::string CheminParametres(const std::string& fichier);

// The trace "espion.log": in dossierTravail when it can be written there, else in
// $XDG_STATE_HOME/kornibelle/ (by default ~/.local/state/kornibelle/).
std::string CheminTrace(const std::string& dossierTravail = ".");
