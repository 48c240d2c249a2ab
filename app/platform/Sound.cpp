// SPDX-License-Identifier: MIT
#include "app/platform/Sound.h"
#include "app/platform/Files.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <new>
#include <numbers>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// What is read of a file: enough for kLongestSeconds in any format SDL reads, so that a huge
// file costs no more than a long sound. Checking a file reads less.
constexpr std::uintmax_t kMostBytes = 16u << 20;
constexpr std::uintmax_t kCheckedBytes = 1u << 20;
constexpr std::uint64_t kLongestSeconds = 10;

// A sound as the file holds it, cut to its first kLongestSeconds.
struct Decoded {
    SDL_AudioSpec format{};
    std::vector<Uint8> samples;
};

std::vector<Uint8> ReadStart(const std::string& fileName, std::uintmax_t most) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(Files::Path(fileName), error);
    std::FILE* file = error ? nullptr : Files::Open(fileName, "rb");
    if (file == nullptr) {
        return {};
    }
    std::vector<Uint8> bytes(std::size_t(std::min(size, most)));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    return bytes;
}

std::uint32_t LengthAt(const std::vector<Uint8>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
           std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

void ShortenTo(std::vector<Uint8>& bytes, std::size_t at, std::size_t most) {
    const std::uint32_t length = std::uint32_t(std::min<std::size_t>(LengthAt(bytes, at), most));
    for (int i = 0; i < 4; ++i) {
        bytes[at + std::size_t(i)] = Uint8(length >> (8 * i));
    }
}

// A header may promise more than was read (a file cut short, or only its start read): the file
// and its data chunk are made to end where the bytes do, so that SDL neither allocates what
// was promised nor refuses the file.
void EndChunksAtTheEnd(std::vector<Uint8>& bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) {
        return;
    }
    ShortenTo(bytes, 4, bytes.size() - 8);
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::size_t length = LengthAt(bytes, at + 4);
        if (std::memcmp(&bytes[at], "data", 4) == 0) {
            ShortenTo(bytes, at + 4, bytes.size() - at - 8);
            return;
        }
        at += 8 + length + (length & 1);
    }
}

// The file's first seconds; no samples when it cannot be read as a sound.
Decoded Decode(const std::string& fileName, std::uintmax_t most) {
    std::vector<Uint8> bytes = ReadStart(fileName, most);
    EndChunksAtTheEnd(bytes);
    Decoded sound;
    if (bytes.empty()) {
        return sound;
    }
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // Freed by SDL_LoadWAV_RW, whether it reads the sound or not.
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (source == nullptr ||
        SDL_LoadWAV_RW(source, 1, &sound.format, &buffer, &length) == nullptr) {
        return sound;
    }
    const std::uint64_t frame = std::uint64_t(SDL_AUDIO_BITSIZE(sound.format.format) / 8) *
                                std::max<std::uint64_t>(1, sound.format.channels);
    const std::uint64_t longest = kLongestSeconds * std::uint64_t(sound.format.freq) * frame;
    sound.samples.assign(buffer, buffer + std::min<std::uint64_t>(length, longest));
    SDL_FreeWAV(buffer);
    return sound;
}

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
                // Nothing may escape a thread: the program would end.
                try {
                    Queue(LoadOrChime(fileName), sound);
                } catch (const std::bad_alloc&) {
                }
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

    // The samples in the device's format; the chime when the file cannot be read, nothing when
    // memory runs out.
    std::vector<Uint8> LoadOrChime(const std::string& fileName) const {
        try {
            const Decoded sound = Decode(fileName, kMostBytes);
            if (sound.samples.empty()) {
                return Chime();
            }
            std::vector<Uint8> samples =
                Convert(sound.format, sound.samples.data(), Uint32(sound.samples.size()));
            return samples.empty() ? Chime() : samples;
        } catch (const std::bad_alloc&) {
            return {};
        }
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

bool SoundReadable(const std::string& fileName) {
    return !Decode(fileName, kCheckedBytes).samples.empty();
}

void SetSoundPlayer(std::unique_ptr<ISoundPlayer> player) {
    Player() = player ? std::move(player) : std::make_unique<SdlSoundPlayer>();
}
