// SPDX-License-Identifier: MIT
// General routines shared by the windows: picture loading and message boxes.
#pragma once

#include <QString>
#include <memory>
#include <string>

class TBitmap;

// Extension of a file name in capitals without the dot; empty without a dot, "." when more
// than four characters follow the last dot.
std::string ExtensionFichier(const char* nom);
std::string ExtensionFichier(const std::string& nom);

// Fills destination from a ".bmp", ".jpg" or ".jpeg" file checked by its signature and
// returns it; returns nullptr (destination unchanged) for an empty name, a missing file, or a
// refused one (with a message). Decoding and read errors are thrown as EPlatformError. destination
// must not be null.
TBitmap* LitBitmap(const std::string& nomFichier, TBitmap* destination);

// Loads a picture chosen by its extension, as the background and the viewer do: for "BMP",
// "JPG" and "JPEG" cible is first replaced by a new empty bitmap, then filled (a refused file
// leaves it empty and gives false; read and decoding errors are thrown). Any other extension
// shows the warning "Format de bitmap non reconnu", gives false and leaves cible as it was.
bool ChargeImageParExtension(const std::string& nomFichier, std::unique_ptr<TBitmap>& cible);

// JPEG output depth, decided once at start-up from the screen's bits per pixel.
void InitFormatJpeg(int bitsParPixel);

// Modal error box with OK; warning box with OK and Cancel. Both return the answer.
int MessageErreur(const QString& message, int aideContexte);
int MessageAvertissement(const QString& message, int aideContexte);
