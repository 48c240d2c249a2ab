// SPDX-License-Identifier: MIT
#include "FonctGen/FonctGen.h"

#include "app/platform/Bitmap.h"
#include "app/platform/Dialogs.h"
#include "app/platform/Errors.h"
#include "app/platform/Files.h"
#include "app/platform/JpegImage.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

TJPEGPixelFormat FormatJpeg = TJPEGPixelFormat::jf24Bit;

// The name that stands for the clipboard, which LitBitmap does not read.
constexpr char kNomPressePapier[] = "Presse-papier";

char Majuscule(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// "%X-%X" of the two bytes, each widened from a signed byte: 0x89 gives FFFFFF89.
QString TexteSignature(const char (&octets)[2]) {
    const auto elargi = [](char octet) {
        return static_cast<unsigned>(static_cast<int>(static_cast<signed char>(octet)));
    };
    return QString::asprintf("%X-%X", elargi(octets[0]), elargi(octets[1]));
}

bool SignatureBmp(const char (&octets)[2]) {
    return Majuscule(octets[0]) == 'B' && Majuscule(octets[1]) == 'M';
}

bool SignatureJpeg(const char (&octets)[2]) {
    return static_cast<unsigned char>(octets[0]) == 0xFF &&
           static_cast<unsigned char>(octets[1]) == 0xD8;
}

TBitmap* LitBmp(std::ifstream& fichier, const std::string& nomFichier, TBitmap* destination) {
    // The reader opens the file again by name.
    fichier.close();
    auto travail = std::make_unique<TBitmap>();
    travail->LoadFromFile(nomFichier);
    destination->Assign(*travail);
    return destination;
}

TBitmap* LitJpeg(std::ifstream& fichier, TBitmap* destination) {
    fichier.seekg(0);
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->PixelFormat = FormatJpeg;
    jpeg->LoadFromStream(fichier);
    destination->Assign(jpeg->Bitmap());
    return destination;
}

} // namespace

std::string ExtensionFichier(const char* nom) {
    const char* point = nom != nullptr ? std::strrchr(nom, '.') : nullptr;
    if (point == nullptr) {
        return {};
    }
    if (std::strlen(point) >= 6) {
        return ".";
    }
    std::string extension(point + 1);
    for (char& c : extension) {
        c = Majuscule(c);
    }
    return extension;
}

std::string ExtensionFichier(const std::string& nom) {
    return ExtensionFichier(nom.c_str());
}

TBitmap* LitBitmap(const std::string& nomFichier, TBitmap* destination) {
    if (nomFichier.empty()) {
        return nullptr;
    }
    if (nomFichier == kNomPressePapier) {
        MessageErreur(QStringLiteral(
                          "Erreur système : on essaye de lire le presse-papier avec 'LitBitmap()'"),
                      0);
        return nullptr;
    }
    const std::filesystem::path chemin = Files::Path(nomFichier);
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur)) {
        return nullptr;
    }

    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) {
        throw EPlatformError("Impossible d'ouvrir le fichier " + nomFichier);
    }
    char octets[2];
    if (!fichier.read(octets, sizeof octets)) {
        throw EPlatformError(kStreamReadError);
    }

    const std::string extension = ExtensionFichier(nomFichier);
    if (extension == "BMP" && SignatureBmp(octets)) {
        return LitBmp(fichier, nomFichier, destination);
    }
    if ((extension == "JPG" || extension == "JPEG") && SignatureJpeg(octets)) {
        return LitJpeg(fichier, destination);
    }
    MessageErreur(QStringLiteral("Format d'image non reconnu (") + TexteSignature(octets) + ')', 0);
    return nullptr;
}

void InitFormatJpeg(int bitsParPixel) {
    FormatJpeg = bitsParPixel > 8 ? TJPEGPixelFormat::jf24Bit : TJPEGPixelFormat::jf8Bit;
}

int MessageErreur(const QString& message, int aideContexte) {
    return MessageDlg(message, TMsgDlgType::mtError, TMsgDlgButtons::mbOK, aideContexte);
}

int MessageAvertissement(const QString& message, int aideContexte) {
    return MessageDlg(message, TMsgDlgType::mtWarning, TMsgDlgButtons::mbOKCancel, aideContexte);
}

bool ChargeImageParExtension(const std::string& nomFichier, std::unique_ptr<TBitmap>& cible) {
    const std::string extension = ExtensionFichier(nomFichier);
    // The former picture goes before the new one is read.
    const auto remplace = [&cible] {
        cible.reset();
        cible = std::make_unique<TBitmap>();
    };
    TBitmap brouillon;
    if (extension == "BMP") {
        remplace();
        brouillon.LoadFromFile(nomFichier);
        cible->Assign(brouillon);
        return true;
    }
    if (extension == "JPG" || extension == "JPEG") {
        remplace();
        const TBitmap* image = LitBitmap(nomFichier, &brouillon);
        if (image == nullptr) {
            return false;
        }
        cible->Assign(*image);
        return true;
    }
    MessageAvertissement(QStringLiteral("Format de bitmap non reconnu"), 0);
    return false;
}
