// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

constexpr unsigned SND_SYNC = 0;  // returns when the sound has played
constexpr unsigned SND_ASYNC = 1; // returns at once; the sound plays until another replaces it
// With SND_ASYNC: plays after the sound playing, instead of stopping it; a sound played later
// without it stops both.
constexpr unsigned SND_QUEUE = 2;

// Plays a WAV file; a new sound stops the one playing (and those queued after it). A missing or
// unreadable file plays a short default chime; without an audio device nothing is heard and nothing
// fails. Only a file's first seconds are played, however long it is.
void sndPlaySoundA(const std::string& fileName, unsigned flags);

// True when fileName can be read as a sound, as sndPlaySoundA reads it, and holds some.
bool SoundReadable(const std::string& fileName);

// Seam: who plays the sounds (SDL2 audio by default).
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void Play(const std::string& fileName, unsigned flags) = 0;
};

// Installs player; nullptr restores the default.
void SetSoundPlayer(std::unique_ptr<ISoundPlayer> player);
