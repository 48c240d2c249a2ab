// SPDX-License-Identifier: MIT
#include "app/Parametres.h"

#include "app/platform/Application.h"

namespace {

class CeProgramme : public IProgrammeParametres {
public:
    std::string Fichier() override { return Application::ExeName(); }
};

std::unique_ptr<IProgrammeParametres>& Programme() {
    static std::unique_ptr<IProgrammeParametres> programme = std::make_unique<CeProgramme>();
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

void InstalleProgrammeParametres(std::unique_ptr<IProgrammeParametres> programme) {
    Programme() = programme ? std::move(programme) : std::make_unique<CeProgramme>();
}

std::string FichierPresDuProgramme() {
    return ChangeFileExt(Programme()->Fichier(), ".INI");
}
