// SPDX-License-Identifier: MIT
#include "app/Parametres.h"

#include "app/platform/Application.h"

namespace {

std::string& ProgrammeParametres() {
    static std::string programme;
    return programme;
}

} // namespace

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
    const std::size_t point = fileName.find_last_of(".\\/:");
    if (point == std::string::npos || fileName[point] != '.') {
        return fileName + extension;
    }
    return fileName.substr(0, point) + extension;
}

void SetProgrammeParametres(const std::string& fichierProgramme) {
    ProgrammeParametres() = fichierProgramme;
}

std::string FichierPresDuProgramme() {
    const std::string& programme = ProgrammeParametres();
    return ChangeFileExt(programme.empty() ? Application::ExeName() : programme, ".INI");
}
