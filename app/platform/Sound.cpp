// SPDX-License-Identifier: MIT
#include "app/platform/Sound.h"

#include <SDL.h>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <thread>
#include <vector>

namespace {

// Plays through one SDL audio device, opened on first use. Without a device every call is
// silent: the device is looked for once per player, not at every sound. A queued sound is
// loaded on a thread of its own, off the caller's, and dropped if another sound has replaced
// the one it was to follow in the meantime.
class SdlSoundPlayer : public ISoundPlayer {
public:
    ~SdlSoundPlayer() override {
        if (loader_.joinable()) {
            loader_.join();
        }
        if (device_ != 0) {
            SDL_CloseAudioDevice(device_);
        }
        if (initialised_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }

    void Play(const std::string& fileName, unsigned flags) override {
        if (!Open()) {
            return;
        }
        if ((flags & SND_QUEUE) != 0) {
            if (loader_.joinable()) {
                loader_.join();
            }
            loader_ = std::thread([this, fileName, sound = sound_] {
                Queue(LoadOrChime(fileName), sound);
                // SDL frees what it keeps per thread (its error text) only for its own threads.
                SDL_TLSCleanup();
            });
            return;
        }
        {
            const std::lock_guard lock(queueing_);
            ++sound_;
            SDL_ClearQueuedAudio(device_);
        }
        const std::vector<Uint8> samples = LoadOrChime(fileName);
        if (!Queue(samples, sound_) || (flags & SND_ASYNC) != 0) {
            return;
        }
        WaitUntilPlayed(samples.size());
    }

private:
    bool Open() {
        if (tried_) {
            return device_ != 0;
        }
        tried_ = true;
        // Ctrl+C and SIGTERM are the program's own to handle: SDL must not take them over.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        initialised_ = true;
        SDL_AudioSpec wanted{};
        wanted.freq = 44100;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 2;
        wanted.samples = 2048;
        device_ =
            SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec_,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        if (device_ == 0) {
            return false;
        }
        SDL_PauseAudioDevice(device_, 0);
        return true;
    }

    // Queues samples unless a sound played since has replaced the one numbered `sound`.
    bool Queue(const std::vector<Uint8>& samples, unsigned sound) {
        const std::lock_guard lock(queueing_);
        return sound == sound_ && !samples.empty() &&
               SDL_QueueAudio(device_, samples.data(), Uint32(samples.size())) == 0;
    }

    std::vector<Uint8> LoadOrChime(const std::string& fileName) const {
        std::vector<Uint8> samples = Load(fileName);
        return samples.empty() ? Chime() : samples;
    }

    // The samples in the device's format; empty when the file cannot be read.
    std::vector<Uint8> Load(const std::string& fileName) const {
        SDL_AudioSpec format{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        if (SDL_LoadWAV(fileName.c_str(), &format, &buffer, &length) == nullptr) {
            return {};
        }
        std::vector<Uint8> converted = Convert(format, buffer, length);
        SDL_FreeWAV(buffer);
        return converted;
    }

    std::vector<Uint8> Convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length) const {
        SDL_AudioStream* stream = SDL_NewAudioStream(from.format, from.channels, from.freq,
                                                     spec_.format, spec_.channels, spec_.freq);
        if (stream == nullptr) {
            return {};
        }
        std::vector<Uint8> converted;
        if (SDL_AudioStreamPut(stream, data, int(length)) == 0 &&
            SDL_AudioStreamFlush(stream) == 0) {
            converted.resize(std::size_t(SDL_AudioStreamAvailable(stream)));
            const int got = SDL_AudioStreamGet(stream, converted.data(), int(converted.size()));
            converted.resize(got > 0 ? std::size_t(got) : 0);
        }
        SDL_FreeAudioStream(stream);
        return converted;
    }

    // The sound of a file that cannot be played: two short rising notes.
    std::vector<Uint8> Chime() const {
        constexpr int kRate = 22050;
        constexpr int kLength = kRate * 150 / 1000;
        std::vector<Sint16> samples(kLength);
        for (int i = 0; i < kLength; ++i) {
            const double t = double(i) / kRate;
            const double frequency = i < kLength / 2 ? 880.0 : 1318.5;
            const double envelope = 1.0 - double(i % (kLength / 2)) / (kLength / 2);
            samples[std::size_t(i)] =
                Sint16(8000.0 * envelope * std::sin(2.0 * std::numbers::pi * frequency * t));
        }
        SDL_AudioSpec format{};
        format.freq = kRate;
        format.format = AUDIO_S16SYS;
        format.channels = 1;
        return Convert(format, reinterpret_cast<const Uint8*>(samples.data()),
                       Uint32(samples.size() * sizeof(Sint16)));
    }

    // Waits, handling no window messages, until the queue has drained and the device has
    // played its last buffer. Bounded, should the device stop consuming.
    void WaitUntilPlayed(std::size_t bytes) const {
        const std::uint64_t bytesPerSecond =
            std::uint64_t(spec_.freq) * spec_.channels * (SDL_AUDIO_BITSIZE(spec_.format) / 8);
        if (bytesPerSecond == 0) {
            return;
        }
        const Uint64 deadline = SDL_GetTicks64() + bytes * 1000 / bytesPerSecond + 2000;
        while (SDL_GetQueuedAudioSize(device_) > 0 && SDL_GetTicks64() < deadline &&
               SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING) {
            SDL_Delay(5);
        }
        SDL_Delay(Uint32(std::uint64_t(spec_.samples) * 1000 / std::uint64_t(spec_.freq)));
    }

    bool tried_ = false;
    bool initialised_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::mutex queueing_;
    unsigned sound_ = 0; // counts the sounds that replaced the one playing; written under queueing_
    std::thread loader_; // loading the last queued sound
};

std::unique_ptr<ISoundPlayer>& Player() {
    static std::unique_ptr<ISoundPlayer> player = std::make_unique<SdlSoundPlayer>();
    return player;
}

} // namespace

void sndPlaySoundA(const std::string& fileName, unsigned flags) {
    Player()->Play(fileName, flags);
}

void SetSoundPlayer(std::unique_ptr<ISoundPlayer> player) {
    Player() = player ? std::move(player) : std::make_unique<SdlSoundPlayer>();
}
