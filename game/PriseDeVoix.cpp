// SPDX-License-Identifier: MIT
#include "game/PriseDeVoix.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// The pack's thresholds: a lead-in quieter than kAvantDb below the loudest moment is left out,
// and a tail quieter than kApresDb; a recording whose loudest moment stays under kSilenceDb
// heard nothing (a microphone refused gives zeros, an unplugged one its own faint hiss).
constexpr double kAvantDb = -30.0;
constexpr double kApresDb = -45.0;
constexpr double kSilenceDb = -50.0;
constexpr double kFenetreSecondes = 0.02;
constexpr double kFonduSecondes = 0.01;
constexpr double kPauseSecondes = 0.12;
constexpr double kGrondementHz = 30.0;
// Loudness as the ear hears it: the loudest 400 ms, the rumble below 100 Hz left out, brought
// to kSonoriteDb; peaks above kGenou are rounded off below kPlafond, so nothing clips.
constexpr double kSonoriteDb = -12.0;
constexpr double kSonoriteSecondes = 0.4;
constexpr double kSourdHz = 100.0;
constexpr double kGenou = 0.70;
constexpr double kPlafond = 0.94;

using Son = std::vector<float>;

// Butterworth high-pass, second order.
void PasseHaut(Son& son, double coupureHz, int frequence) {
    const double w = 2.0 * std::numbers::pi * coupureHz / frequence;
    const double alpha = std::sin(w) / std::numbers::sqrt2;
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 + std::cos(w)) / 2.0 / a0;
    const double b1 = -(1.0 + std::cos(w)) / a0;
    const double a1 = -2.0 * std::cos(w) / a0;
    const double a2 = (1.0 - alpha) / a0;
    double z1 = 0.0, z2 = 0.0; // transposed direct form II
    for (float& echantillon : son) {
        const double x = echantillon;
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b0 * x - a2 * y;
        echantillon = float(y);
    }
}

// Mean square of each successive window of taille samples, every pas samples.
std::vector<double> Energies(const Son& son, std::size_t taille, std::size_t pas) {
    std::vector<double> energies;
    for (std::size_t debut = 0; taille > 0 && debut + taille <= son.size(); debut += pas) {
        double somme = 0.0;
        for (std::size_t i = debut; i < debut + taille; ++i) {
            somme += double(son[i]) * son[i];
        }
        energies.push_back(somme / double(taille));
    }
    return energies;
}

double Decibels(double energie) {
    return energie > 0.0 ? 10.0 * std::log10(energie) : -200.0;
}

// Keeps from one window before the first above the lead-in's floor to the last above the
// tail's; false when the loudest window is silence.
bool GardeLeSon(Son& son, int frequence) {
    const auto fenetre = std::size_t(kFenetreSecondes * frequence);
    const std::vector<double> energies = Energies(son, fenetre, fenetre);
    const double plusFort = energies.empty() ? 0.0 : *std::ranges::max_element(energies);
    if (Decibels(plusFort) < kSilenceDb) {
        return false;
    }
    const auto auDessus = [plusFort](double db) {
        return [seuil = plusFort * std::pow(10.0, db / 10.0)](double e) { return e > seuil; };
    };
    const auto premiere =
        std::size_t(std::ranges::find_if(energies, auDessus(kAvantDb)) - energies.begin());
    const auto derniere =
        std::size_t(std::find_if(energies.rbegin(), energies.rend(), auDessus(kApresDb)).base() -
                    energies.begin());
    const std::size_t debut = premiere > 0 ? (premiere - 1) * fenetre : 0;
    const std::size_t fin = std::min(son.size(), (derniere + 1) * fenetre);
    son = Son(son.begin() + std::ptrdiff_t(debut), son.begin() + std::ptrdiff_t(fin));
    return true;
}

void Fondu(Son& son, int frequence) {
    const std::size_t duree = std::min(son.size() / 2, std::size_t(kFonduSecondes * frequence));
    for (std::size_t i = 0; i < duree; ++i) {
        const auto gain = float(double(i) / double(duree));
        son[i] *= gain;
        son[son.size() - 1 - i] *= gain;
    }
}

void ASonorite(Son& son, int frequence) {
    Son entendu = son;
    PasseHaut(entendu, kSourdHz, frequence);
    const auto taille = std::min(son.size(), std::size_t(kSonoriteSecondes * frequence));
    const std::vector<double> energies =
        Energies(entendu, taille, std::max<std::size_t>(1, taille / 2));
    if (energies.empty()) {
        return;
    }
    const double gain =
        std::pow(10.0, (kSonoriteDb - Decibels(*std::ranges::max_element(energies))) / 20.0);
    for (float& echantillon : son) {
        const double ampleur = std::abs(echantillon * gain);
        const double arrondi =
            ampleur <= kGenou ? ampleur
                              : kGenou + (kPlafond - kGenou) *
                                             std::tanh((ampleur - kGenou) / (kPlafond - kGenou));
        echantillon = float(std::copysign(arrondi, echantillon));
    }
}

void Ajoute16(QByteArray& octets, std::uint16_t valeur) {
    char deux[2];
    qToLittleEndian(valeur, deux);
    octets.append(deux, 2);
}

void Ajoute32(QByteArray& octets, std::uint32_t valeur) {
    char quatre[4];
    qToLittleEndian(valeur, quatre);
    octets.append(quatre, 4);
}

QByteArray Wav(const Son& son, int frequence) {
    const auto donnees = std::uint32_t(son.size() * 2);
    QByteArray octets("RIFF");
    Ajoute32(octets, 36 + donnees);
    octets.append("WAVEfmt ");
    Ajoute32(octets, 16);
    Ajoute16(octets, 1); // PCM
    Ajoute16(octets, 1); // mono
    Ajoute32(octets, std::uint32_t(frequence));
    Ajoute32(octets, std::uint32_t(frequence) * 2);
    Ajoute16(octets, 2);
    Ajoute16(octets, 16);
    octets.append("data");
    Ajoute32(octets, donnees);
    for (const float echantillon : son) {
        Ajoute16(octets, std::uint16_t(std::int16_t(
                             std::lround(std::clamp(echantillon, -1.0f, 1.0f) * 32767.0f))));
    }
    return octets;
}

} // namespace

std::vector<float> NomEnregistre(std::vector<float> prise, int frequence) {
    prise.resize(std::min(prise.size(), std::size_t(kSecondesPrise * frequence)));
    PasseHaut(prise, kGrondementHz, frequence);
    if (!GardeLeSon(prise, frequence)) {
        return {};
    }
    prise.resize(
        std::min(prise.size(), std::size_t((kSecondesPrise - kPauseSecondes) * frequence)));
    Fondu(prise, frequence);
    ASonorite(prise, frequence);
    prise.insert(prise.begin(), std::size_t(kPauseSecondes * frequence), 0.0f);
    return prise;
}

bool EcritWav(const std::string& fichier, const std::vector<float>& son, int frequence) {
    const QString nom = QString::fromStdString(fichier);
    QSaveFile sortie(nom);
    return QDir().mkpath(QFileInfo(nom).path()) && sortie.open(QIODevice::WriteOnly) &&
           sortie.write(Wav(son, frequence)) >= 0 && sortie.commit();
}
