// SPDX-License-Identifier: MIT
#include "FuzzCommun.h"

#include "app/platform/Dialogs.h"
#include "app/platform/Form.h"

#include <QApplication>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

namespace {

class BoitesMuettes : public IMessagePresenter {
public:
    int Present(const QString&, TMsgDlgType, TMsgDlgButtons, int) override { return mrOk; }
};

struct Environnement {
    Environnement() { SetMessagePresenter(std::make_unique<BoitesMuettes>()); }
    static bool HorsEcran() { return qputenv("QT_QPA_PLATFORM", "offscreen"); }
    bool horsEcran = HorsEcran(); // before the application is made
    int argc = 1;
    char nom[16] = "fuzz";
    char* argv[2] = {nom, nullptr};
    QApplication application{argc, argv};
    QTemporaryDir dossier;
};

} // namespace

std::string FichierFuzz(const std::string& nom) {
    static Environnement environnement;
    return environnement.dossier.filePath(QString::fromStdString(nom)).toStdString();
}

void EcritEntree(const std::string& chemin, const std::uint8_t* donnees, std::size_t taille) {
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    fichier.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
}
