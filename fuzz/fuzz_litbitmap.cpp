// SPDX-License-Identifier: MIT
// The picture loader as the game calls it. The first input byte chooses the file's extension
// (bit 0: ".bmp" or ".jpg") and the screen depth (bit 1: 8 or 32 bits); the rest is the file.
#include "FuzzCommun.h"

#include "FonctGen/FonctGen.h"
#include "app/platform/Bitmap.h"
#include "app/platform/Errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) {
        return 0;
    }
    const std::string nom = FichierFuzz(donnees[0] & 1 ? "entree.bmp" : "entree.jpg");
    InitFormatJpeg(donnees[0] & 2 ? 8 : 32);
    EcritEntree(nom, donnees + 1, taille - 1);
    TBitmap destination;
    const TBitmap* resultat = nullptr;
    try {
        resultat = LitBitmap(nom, &destination);
    } catch (const EPlatformError&) {
        // Unreadable pictures are reported to the user; that is the expected way out.
    }
    // A refusal or an error leaves the destination as it was.
    if (resultat == nullptr && !destination.Empty()) {
        std::abort();
    }
    if (resultat != nullptr && resultat != &destination) {
        std::abort();
    }
    return 0;
}
