// SPDX-License-Identifier: MIT
#include "support/Coquille.h"

#include <QFile>
#include <QTimer>
#include <QWidget>

QString CoquilleTest::FichierIni() const {
    return dossier.Chemin("kornibelle.INI");
}

void CoquilleTest::EcritIni(const std::string& contenu) const {
    QFile fichier(FichierIni());
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
    fichier.write(contenu.data(), qint64(contenu.size()));
}

std::string CoquilleTest::LitIni() const {
    QFile fichier(FichierIni());
    if (!fichier.open(QIODevice::ReadOnly)) {
        return {};
    }
    return fichier.readAll().toStdString();
}

void QuandVisible(QWidget& window, std::function<void()> action) {
    QTimer::singleShot(0, &window, [&window, action] {
        if (window.isVisible()) {
            action();
        }
    });
}
