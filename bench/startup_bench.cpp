// SPDX-License-Identifier: MIT
// Start-up to the first paint, the program's windows against a bare Qt window: each a separate
// process timed from just before its launch to the moment it prints, that of its first paint.
#include "bench/Banc.h"
#include "bench/Mesure.h"

#include <QCoreApplication>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long MaintenantNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

// Runs the program of that name beside this one, in the current folder, and returns the
// seconds from its launch to its first paint; a negative value if it failed.
double LanceJusquaPeinture(const char* nom) {
    const std::string chemin = QCoreApplication::applicationDirPath().toStdString() + '/' + nom;
    int tube[2];
    if (pipe(tube) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, tube[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* arguments[] = {const_cast<char*>(chemin.c_str()), nullptr};
    pid_t pid = 0;
    const long long lancement = MaintenantNs();
    const int erreur = posix_spawn(&pid, chemin.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    std::string sortie;
    char tampon[64];
    for (ssize_t lus; erreur == 0 && (lus = read(tube[0], tampon, sizeof tampon)) > 0;) {
        sortie.append(tampon, std::size_t(lus));
    }
    close(tube[0]);
    int statut = 0;
    if (erreur != 0 || waitpid(pid, &statut, 0) != pid || !WIFEXITED(statut) ||
        WEXITSTATUS(statut) != 0 || sortie.empty()) {
        return -1;
    }
    return double(std::atoll(sortie.c_str()) - lancement) * 1e-9;
}

void BM_Demarrage(benchmark::State& state) {
    PartieCourante().EcritFonds(1600, 1200);
    std::vector<double> programmes;
    std::vector<double> nus;
    for (auto _ : state) {
        const double programme = LanceJusquaPeinture("kornibelle_bench_demarrage");
        const double nu = LanceJusquaPeinture("kornibelle_bench_qt_nu");
        if (programme < 0 || nu < 0) {
            state.SkipWithError("un programme de démarrage a échoué");
            return;
        }
        state.SetIterationTime(programme);
        programmes.push_back(programme);
        nus.push_back(nu);
    }
    mesure::Rapporte(state, programmes, nus, "a bare Qt window, launch to first paint (wall time)");
}
BENCHMARK(BM_Demarrage)->Iterations(10)->UseManualTime();

} // namespace
