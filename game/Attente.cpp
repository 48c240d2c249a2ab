// SPDX-License-Identifier: MIT
#include "game/Attente.h"

#include "app/platform/Application.h"

#include <chrono>
#include <thread>

namespace {

class AttenteHorloge : public IAttente {
public:
    // A monotonic clock: neither a minute boundary nor a clock change shortens the pause.
    void Attend(int millisecondes, bool sansMessages) override {
        using Horloge = std::chrono::steady_clock;
        const Horloge::time_point fin = Horloge::now() + std::chrono::milliseconds(millisecondes);
        for (;;) {
            if (!sansMessages) {
                Application::ProcessMessages();
            }
            const Horloge::time_point maintenant = Horloge::now();
            if (maintenant > fin) {
                return;
            }
            std::this_thread::sleep_for(
                std::min<Horloge::duration>(fin - maintenant, std::chrono::milliseconds(1)));
        }
    }
};

std::unique_ptr<IAttente>& Courante() {
    static std::unique_ptr<IAttente> attente = std::make_unique<AttenteHorloge>();
    return attente;
}

} // namespace

void InstalleAttente(std::unique_ptr<IAttente> attente) {
    Courante() = attente ? std::move(attente) : std::make_unique<AttenteHorloge>();
}

IAttente& AttenteCourante() {
    return *Courante();
}
