// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

// fileName with its extension (from the last dot of its last component) replaced by
// extension; a name without an extension gets extension appended.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);

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
