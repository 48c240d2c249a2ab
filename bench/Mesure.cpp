// SPDX-License-Identifier: MIT
#include "bench/Mesure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace mesure {

double Duree(const Etape& etape) {
    const auto debut = std::chrono::steady_clock::now();
    etape();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

double DureeProcesseur(const Etape& etape) {
    const auto maintenant = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    const double debut = maintenant();
    etape();
    return maintenant() - debut;
}

double Mediane(std::vector<double> valeurs) {
    if (valeurs.empty()) {
        return 0;
    }
    const auto milieu = valeurs.begin() + std::ptrdiff_t(valeurs.size() / 2);
    std::nth_element(valeurs.begin(), milieu, valeurs.end());
    return *milieu;
}

void Compare(benchmark::State& state, const Etape& sujet, const Etape& reference,
             const std::string& libelleReference, double cible, const Etape& preparation,
             double (*mesure)(const Etape&)) {
    std::vector<double> sujets;
    std::vector<double> references;
    for (auto _ : state) {
        if (preparation) {
            preparation();
        }
        const double temps = mesure(sujet);
        state.SetIterationTime(temps);
        sujets.push_back(temps);
        references.push_back(mesure(reference));
    }
    Rapporte(state, sujets, references,
             libelleReference + (mesure == DureeProcesseur ? " (CPU time)" : " (wall time)"),
             cible);
}

void Rapporte(benchmark::State& state, const std::vector<double>& sujets,
              const std::vector<double>& references, const std::string& libelleReference,
              double cible) {
    const double sujet = Mediane(sujets);
    const double ref = Mediane(references);
    state.counters["sujet_ms"] = sujet * 1e3;
    state.counters["ref_ms"] = ref * 1e3;
    state.counters["ratio"] = ref > 0 ? sujet / ref : 0;
    if (cible > 0) {
        state.counters["cible"] = cible;
    }
    state.SetLabel("vs " + libelleReference);
}

void Resume::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const auto ratio = run.counters.find("ratio");
        if (run.error_occurred || ratio == run.counters.end()) {
            continue;
        }
        const auto valeur = [&](const char* nom) {
            const auto compteur = run.counters.find(nom);
            return compteur == run.counters.end() ? 0.0 : double(compteur->second);
        };
        lignes_.push_back({run.benchmark_name(), run.report_label, valeur("sujet_ms"),
                           valeur("ref_ms"), ratio->second, valeur("cible")});
    }
    ConsoleReporter::ReportRuns(runs);
}

void Resume::Finalize() {
    ConsoleReporter::Finalize();
    std::FILE* sortie = stdout;
    std::fprintf(sortie, "\n%-40s %12s %12s %9s %8s  %s\n", "figure", "figure ms", "ref ms",
                 "ratio", "target", "reference");
    for (const Ligne& ligne : lignes_) {
        char cible[32] = "-";
        if (ligne.cible > 0) {
            std::snprintf(cible, sizeof cible, "%s%.2f",
                          ligne.ratio <= ligne.cible ? "ok<=" : "NO>", ligne.cible);
        }
        std::fprintf(sortie, "%-40s %12.3f %12.3f %9.2f %10s  %s\n", ligne.nom.c_str(),
                     ligne.sujetMs, ligne.referenceMs, ligne.ratio, cible, ligne.reference.c_str());
    }
    std::fflush(sortie);
}

} // namespace mesure
