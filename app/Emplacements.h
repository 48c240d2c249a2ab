// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

// Where the settings file and the trace are kept. A program installed where its user cannot
// write, or on Windows in Program Files (every user's, even to an administrator), keeps them
// in the user's own folders instead (on Linux the freedesktop base directories, on Windows the
// application-data folder); the per-user folder is created when it is chosen.

// Seam: the program file the settings file is named after, and beside which it is kept when
// that folder can be written (the program's own file by default).
class IProgrammeParametres {
public:
    virtual ~IProgrammeParametres() = default;
    virtual std::string Fichier() = 0;
};

// Installs programme; nullptr restores the program's own file.
void InstalleProgrammeParametres(std::unique_ptr<IProgrammeParametres> programme);

// The settings file beside the program, where it is looked for first.
std::string FichierPresDuProgramme();

// The settings file written: fichier itself when it can be replaced there (its folder and,
// when it exists, itself writable and not marked read-only), else a file of the same name in
// the user's settings folder's kornibelle/ (by default ~/.config/kornibelle/ on Linux).
std::string CheminParametres(const std::string& fichier);
// The settings file read: the one written once it exists, else fichier, even read-only.
std::string CheminLectureParametres(const std::string& fichier);
// A per-user settings file written for the first time begins as a copy of the file beside
// the program, so that nothing that one holds is lost at the next start, which reads the
// copy. Does nothing when copie already exists or is original itself. False when the copy
// fails: nothing is then left behind, and copie must not be written, lest it hide original.
bool CommenceParCopie(const std::string& copie, const std::string& original);

// The trace "espion.log": in dossierTravail when it can be written there, else in the user's
// state folder's kornibelle/ (by default ~/.local/state/kornibelle/ on Linux).
std::string CheminTrace(const std::string& dossierTravail = ".");

// The family's folder, where the family's own sounds are kept under the pack's names (by
// default ~/.local/share/kornibelle/ on Linux, %APPDATA%\kornibelle\ on Windows): the user's,
// never the game's, so that no upgrade or removal of the game touches it. Not made here.
std::string DossierFamille();
