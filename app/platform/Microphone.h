// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// The default microphone, through SDL's capture: mono samples from -1 to 1 at kRate, taken
// as they come. Without an audio system or a microphone nothing opens and nothing fails.
class Microphone {
public:
    static constexpr int kRate = 22050;

    Microphone();
    ~Microphone();
    Microphone(const Microphone&) = delete;
    Microphone& operator=(const Microphone&) = delete;

    // True when the system knows a microphone (none is opened).
    bool Present() const;
    // Starts listening to the default microphone; false when it cannot be opened.
    bool Start();
    // What was heard since Start or the last Take.
    std::vector<float> Take();
    void Stop();

private:
    bool initialised_ = false;
    std::uint32_t device_ = 0;
};
