// SPDX-License-Identifier: MIT
// Tiny pictures and sounds under the game's fixed file names, written at test time into the
// current working folder (a DossierTemp of support/Fakes.h); each environment's folder is made
// when missing. Nothing here is read from the default asset pack.
//
//   DossierTemp dossier;            // an empty temporary folder, made current
//   assets::WriteFixedAssets();     // backgrounds, bird, fixed sounds: enough for NouveauJeu
//   ...construct the main window...
//   assets::WriteAnimalAssets(fenetre); // every animal's sprites, photograph and cry
#pragma once

#include <QImage>
#include <string>

class TSDIAppForm;

namespace assets {

// Wider than the main window's least width, so that the window takes the background's size
// and the screen shows Fond unscaled; cells of 80 x 75 below the 30-pixel toolbar.
constexpr int kBackgroundWidth = 400;
constexpr int kBackgroundHeight = 330;
constexpr int kSpriteWidth = 24;
constexpr int kSpriteHeight = 20;
constexpr int kRestingBirdWidth = 16;
constexpr int kRestingBirdHeight = 12;

// The four backgrounds as JPEG files of width x height (a colour gradient).
void WriteBackgrounds(int width = kBackgroundWidth, int height = kBackgroundHeight);
// The resting bird and the five flight pictures (BMP, black around a coloured shape).
void WriteBird();
// The four fixed sounds.
void WriteFixedSounds();
// All three: what the main window's first game needs.
void WriteFixedAssets();
// Sprites ('G' and its mirror 'D'), photographs and cries of every animal of both
// environments, named by CheminAnimal; the window's TypeJeu is left as it was.
void WriteAnimalAssets(TSDIAppForm& window);

// A width x height BMP: pure black around a shape of SpriteColour(path).
void WriteSprite(const std::string& path, int width, int height, bool mirrored = false);
// The colour of the shape in the sprite written for path: never black, never near-black.
QRgb SpriteColour(const std::string& path);
// The shape drawn by WriteSprite, a width x height picture (black around it).
QImage SpriteImage(int width, int height, QRgb colour, bool mirrored = false);
void WriteJpeg(const std::string& path, int width, int height);
void WriteBmp(const std::string& path, const QImage& image);
// A PCM WAV of a few milliseconds.
void WriteWav(const std::string& path);

} // namespace assets
