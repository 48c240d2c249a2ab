// SPDX-License-Identifier: MIT
// Start-up to the first paint, the program's windows against a bare Qt window, each a
// separate process timed from its launch to its end (both end right after their first paint).
#include "bench/Banc.h"
#include "bench/Mesure.h"

#include <QCoreApplication>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

// Runs the program of that name beside this one, in the current folder; false if it failed.
bool Lance(const char* nom) {
    const std::string chemin = QCoreApplication::applicationDirPath().toStdString() + '/' + nom;
    char* arguments[] = {const_cast<char*>(chemin.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, chemin.c_str(), nullptr, nullptr, arguments, environ) != 0) {
        return false;
    }
    int statut = 0;
    return waitpid(pid, &statut, 0) == pid && WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
}

void BM_Demarrage(benchmark::State& state) {
    PartieCourante().EcritFonds(1600, 1200);
    bool reussi = true;
    mesure::Compare(
        state, [&] { reussi = Lance("kornibelle_bench_demarrage") && reussi; },
        [&] { reussi = Lance("kornibelle_bench_qt_nu") && reussi; },
        "a bare Qt window (separate processes)");
    if (!reussi) {
        state.SkipWithError("un programme de démarrage a échoué");
    }
}
BENCHMARK(BM_Demarrage)->Iterations(10)->UseManualTime();

} // namespace
