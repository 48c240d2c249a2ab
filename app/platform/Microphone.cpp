// SPDX-License-Identifier: MIT
#include "app/platform/Microphone.h"

#include <SDL.h>

Microphone::Microphone() {
    // Ctrl+C and SIGTERM are the program's own to handle: SDL must not take them over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

Microphone::~Microphone() {
    Stop();
    if (initialised_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool Microphone::Present() const {
    return initialised_ && SDL_GetNumAudioDevices(1) > 0;
}

// SDL converts from whatever the microphone gives.
bool Microphone::Start() {
    Stop();
    if (!initialised_) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    device_ = SDL_OpenAudioDevice(nullptr, 1, &wanted, nullptr, 0);
    if (device_ == 0) {
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

std::vector<float> Microphone::Take() {
    if (device_ == 0) {
        return {};
    }
    std::vector<float> heard(SDL_GetQueuedAudioSize(device_) / sizeof(float));
    const Uint32 bytes =
        SDL_DequeueAudio(device_, heard.data(), Uint32(heard.size() * sizeof(float)));
    heard.resize(bytes / sizeof(float));
    return heard;
}

void Microphone::Stop() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
}
