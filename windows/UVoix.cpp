// SPDX-License-Identifier: MIT
#include "windows/UVoix.h"

#include "app/platform/Guard.h"
#include "app/platform/Microphone.h"
#include "app/platform/Sound.h"
#include "app/sdimain.h"
#include "game/Catalogue.h"
#include "game/PriseDeVoix.h"
#include "game/VoixFamille.h"
#include "ui_UVoix.h"

#include <QFile>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kIntervalleMs = 50;
constexpr int kIcone = 48;

// The sprite's black is transparent, as on the board.
QIcon Icone(const std::string& sprite) {
    QPixmap image(QString::fromStdString(sprite));
    if (image.isNull()) {
        return {};
    }
    image.setMask(image.createMaskFromColor(Qt::black));
    return QIcon(image.scaled(kIcone, kIcone, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool Existe(const std::string& fichier) {
    return !fichier.empty() && QFile::exists(QString::fromStdString(fichier));
}

} // namespace

TVoix::TVoix(QWidget* parent)
    : TForm(parent), ui(std::make_unique<Ui::Voix>()), micro_(std::make_unique<Microphone>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Minuteur.setInterval(kIntervalleMs);
    connect(&Minuteur, &QTimer::timeout, this, Guarded(this, &TVoix::MinuteurTimer));
    connect(ui->Ecouter, &QPushButton::clicked, this, Guarded(this, &TVoix::EcouterClick));
    connect(ui->Enregistrer, &QPushButton::clicked, this, Guarded(this, &TVoix::EnregistrerClick));
    connect(ui->Reprendre, &QPushButton::clicked, this, Guarded(this, &TVoix::ReprendreClick));
    connect(ui->Fermer, &QPushButton::clicked, this, Guarded(this, &TVoix::FermerClick));
    connect(ui->Animaux, &QListWidget::currentRowChanged, this,
            Guarded(this, &TVoix::AnimauxChange));
    Remplit();
    if (!micro_->Present()) {
        SansMicro(QStringLiteral("Aucun micro n'a été trouvé."));
    }
}

TVoix::~TVoix() = default;

void TVoix::Remplit() {
    const int typeJeu = SDIAppForm->TypeJeu;
    const int environnement = EnvironnementConnu(typeJeu) ? typeJeu : 0;
    const auto animaux = kAnimaux[environnement];
    for (int animal = 0; animal < int(animaux.size()); ++animal) {
        const std::string nom = CheminCatalogue(environnement, animal, 'N');
        auto* element =
            new QListWidgetItem(Icone(CheminCatalogue(environnement, animal, 'G')),
                                QString::fromUtf8(NomEspece(animaux[std::size_t(animal)].espece)));
        element->setData(Qt::UserRole, QString::fromStdString(nom));
        ui->Animaux->addItem(element);
    }
    ui->Animaux->setCurrentRow(0);
}

std::string TVoix::NomChoisi() const {
    const QListWidgetItem* choisi = ui->Animaux->currentItem();
    return choisi ? choisi->data(Qt::UserRole).toString().toStdString() : std::string();
}

// What can be done for the chosen animal; nothing while the microphone listens.
void TVoix::AnimauxChange() {
    const bool libre = !Minuteur.isActive();
    const std::string nom = NomChoisi();
    ui->Animaux->setEnabled(libre);
    ui->Ecouter->setEnabled(libre && !nom.empty());
    ui->Enregistrer->setEnabled(libre && microUtilisable_ && !nom.empty());
    ui->Reprendre->setEnabled(libre && Existe(FichierFamille(nom)));
}

void TVoix::EcouterClick() {
    const std::string nom = NomChoisi();
    if (!nom.empty()) {
        sndPlaySoundA(SonAJouer(nom, SDIAppForm->Espion), SND_ASYNC);
    }
}

void TVoix::EnregistrerClick() {
    if (NomChoisi().empty()) {
        return;
    }
    if (!micro_->Start()) {
        SansMicro(QStringLiteral("Aucun micro n'a été trouvé."));
        return;
    }
    prise_.clear();
    ui->Message->setText(QStringLiteral("J'écoute : dites le nom de l'animal."));
    Minuteur.start();
    AnimauxChange();
}

void TVoix::MinuteurTimer() {
    const std::vector<float> entendu = micro_->Take();
    float crete = 0.0f;
    for (const float echantillon : entendu) {
        crete = std::max(crete, std::abs(echantillon));
    }
    ui->Niveau->setValue(std::min(100, int(crete * 100.0f)));
    prise_.insert(prise_.end(), entendu.begin(), entendu.end());
    if (prise_.size() >= std::size_t(kSecondesPrise * Microphone::kRate)) {
        FinEcoute();
    }
}

void TVoix::FinEcoute() {
    Minuteur.stop();
    micro_->Stop();
    ui->Niveau->setValue(0);
    const std::vector<float> son = NomEnregistre(std::move(prise_), Microphone::kRate);
    prise_.clear();
    const std::string fichier = FichierFamille(NomChoisi());
    if (son.empty()) {
        SansMicro(QStringLiteral("Je n'ai rien entendu : le micro est-il branché et autorisé ?"));
    } else if (!EcritWav(fichier, son, Microphone::kRate)) {
        ui->Message->setText(QStringLiteral("La voix n'a pas pu être enregistrée."));
    } else {
        RelitDossierFamille();
        ui->Message->setText(QStringLiteral("Voix enregistrée : le jeu dira désormais celle-ci."));
        sndPlaySoundA(fichier, SND_ASYNC);
    }
    AnimauxChange();
}

void TVoix::ReprendreClick() {
    if (QFile::remove(QString::fromStdString(FichierFamille(NomChoisi())))) {
        RelitDossierFamille();
        ui->Message->setText(QStringLiteral("Le jeu reprend sa propre voix."));
    }
    AnimauxChange();
}

void TVoix::FermerClick() {
    SetModalResult(mrOk);
}

void TVoix::SansMicro(const QString& message) {
    microUtilisable_ = false;
    ui->Message->setText(message);
    AnimauxChange();
}
