// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

// Seam: how the bird's pauses (Attente) pass (by the wall clock by default).
class IAttente {
public:
    virtual ~IAttente() = default;
    // Returns after millisecondes; unless sansMessages, pending window messages are processed
    // meanwhile.
    virtual void Attend(int millisecondes, bool sansMessages) = 0;
};

// Installs attente; nullptr restores the clock.
void InstalleAttente(std::unique_ptr<IAttente> attente);
IAttente& AttenteCourante();
