// SPDX-License-Identifier: MIT
// A figure and its reference measured in the same benchmark, alternately at each iteration so
// that both see the same machine load. Medians are reported as counters beside the figure:
// sujet_ms, ref_ms, ratio and, when there is one, cible (the ratio not to exceed).
#pragma once

#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <vector>

namespace mesure {

using Etape = std::function<void()>;

// Seconds taken by etape on the wall clock: for what waits or runs in other processes.
double Duree(const Etape& etape);
// Seconds of this thread's processor time taken by etape: what the work itself costs, however
// busy the machine is with other programs.
double DureeProcesseur(const Etape& etape);
double Mediane(std::vector<double> valeurs);

// At each iteration: preparation (untimed), sujet, then reference, each timed with mesure (the
// processor time by default). The iteration time is the subject's (use UseManualTime()).
// libelleReference names the reference.
void Compare(benchmark::State& state, const Etape& sujet, const Etape& reference,
             const std::string& libelleReference, double cible = 0, const Etape& preparation = {},
             double (*mesure)(const Etape&) = DureeProcesseur);

// Reports medians of figures already measured against references already measured (or fixed).
void Rapporte(benchmark::State& state, const std::vector<double>& sujets,
              const std::vector<double>& references, const std::string& libelleReference,
              double cible = 0);

// Console output as usual, then one table of every figure beside its reference and ratio.
class Resume : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Ligne {
        std::string nom;
        std::string reference;
        double sujetMs;
        double referenceMs;
        double ratio;
        double cible;
    };
    std::vector<Ligne> lignes_;
};

} // namespace mesure
