// SPDX-License-Identifier: MIT
#include "windows/UOptions.h"

#include "app/platform/Form.h"
#include "app/platform/Frame.h"
#include "app/platform/Guard.h"
#include "app/sdimain.h"
#include "ui_UOptions.h"
#include "windows/UVoix.h"

#include <QShowEvent>

namespace {

constexpr int kMinPersonnages = 1;
constexpr int kMaxPersonnages = 10;

} // namespace

TOptions::TOptions(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Options>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    move(308, 119);

    ui->ComboBox1->clear();
    for (const char* nom : kNomsEnvironnements) {
        ui->ComboBox1->addItem(nom);
    }
    ui->ComboBox2->clear();
    for (int nombre = kMinPersonnages; nombre <= kMaxPersonnages; ++nombre) {
        ui->ComboBox2->addItem(QString::number(nombre));
    }

    connect(ui->OK, &QPushButton::clicked, this, Guarded(this, &TOptions::OKClick));
    connect(ui->Annuler, &QPushButton::clicked, this, Guarded(this, &TOptions::AnnulerClick));
    connect(ui->Voix, &QPushButton::clicked, this, Guarded(this, &TOptions::VoixClick));
    connect(ui->ComboBox1, &QComboBox::currentTextChanged, this,
            Guarded(this, &TOptions::ComboBox1Change));
    connect(ui->ComboBox2, &QComboBox::currentTextChanged, this,
            Guarded(this, &TOptions::ComboBox2Change));
    connect(ui->UpDown1, &QSpinBox::valueChanged, this, Guarded(this, &TOptions::UpDown1Change));
    connect(ui->CheckBox3, &QCheckBox::toggled, this, Guarded(this, &TOptions::CheckBox3Change));
    Remplit();
}

TOptions::~TOptions() = default;

// Every opening shows the settings as they are now, not what the dialog held last time.
void TOptions::showEvent(QShowEvent* event) {
    TForm::showEvent(event);
    if (!event->spontaneous()) {
        Remplit();
    }
}

void TOptions::Remplit() {
    const TSDIAppForm& fenetre = *SDIAppForm;
    const bool valide = EnvironnementConnu(fenetre.TypeJeu);
    ui->ComboBox1->setCurrentIndex(valide ? fenetre.TypeJeu : -1);
    ui->ComboBox1->setEditText(ui->ComboBox1->itemText(ui->ComboBox1->currentIndex()));
    ui->UpDown1->setValue(valide ? fenetre.MaxAnim[fenetre.TypeJeu]
                                 : TSDIAppForm::kMaxAnimParDefaut);
    ui->CheckBox1->setChecked(fenetre.DessCases);
    ui->CheckBox2->setChecked(fenetre.DessEnviron);
    // Any choice other than 1 keeps the pictures, so it shows as "persiste".
    (fenetre.ChoixImage == 1 ? ui->Disparait : ui->Persiste)->setChecked(true);
    ui->CheckBox3->setChecked(fenetre.Bruitage);
    ui->CheckBox4->setChecked(fenetre.DitNom);
    CheckBox3Change();
}

// The entry named by the environment box's text, capitals aside; -1 when none is.
int TOptions::EnvironnementChoisi() const {
    return ui->ComboBox1->findText(ui->ComboBox1->currentText(), Qt::MatchFixedString);
}

void TOptions::OKClick() {
    TSDIAppForm& fenetre = *SDIAppForm;
    const int choisi = EnvironnementChoisi();
    if (choisi >= 0) {
        fenetre.TypeJeu = choisi;
    } else if (!EnvironnementConnu(fenetre.TypeJeu)) {
        fenetre.TypeJeu = 0;
    }
    fenetre.MaxAnim[fenetre.TypeJeu] = ui->UpDown1->value();
    fenetre.DessCases = ui->CheckBox1->isChecked();
    fenetre.DessEnviron = ui->CheckBox2->isChecked();
    fenetre.ChoixImage = ui->Disparait->isChecked() ? 1 : 0;
    fenetre.Bruitage = ui->CheckBox3->isChecked();
    fenetre.DitNom = ui->CheckBox4->isChecked();
    SetModalResult(mrYes);
}

void TOptions::AnnulerClick() {
    SetModalResult(mrCancel);
}

void TOptions::VoixClick() {
    TVoix voix(this);
    PlaceCentredOn(voix, *this);
    voix.ShowModal();
}

// Choosing an environment shows the number of animals it has now.
void TOptions::ComboBox1Change() {
    const int choisi = EnvironnementChoisi();
    if (choisi >= 0) {
        ui->UpDown1->setValue(SDIAppForm->MaxAnim[choisi]);
    }
}

// A typed number moves the arrows, held within their bounds; other text leaves them alone.
void TOptions::ComboBox2Change() {
    bool nombre = false;
    const int valeur = ui->ComboBox2->currentText().trimmed().toInt(&nombre);
    if (nombre) {
        ui->UpDown1->setValue(valeur);
    }
}

// The names are said only with the sounds on.
void TOptions::CheckBox3Change() {
    ui->CheckBox4->setEnabled(ui->CheckBox3->isChecked());
}

void TOptions::UpDown1Change() {
    ui->ComboBox2->setCurrentIndex(ui->UpDown1->value() - kMinPersonnages);
}
