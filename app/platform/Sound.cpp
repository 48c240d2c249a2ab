// SPDX-License-Identifier: MIT
#include "app/platform/Sound.h"

namespace {

class SilentPlayer : public ISoundPlayer {
public:
    void Play(const std::string& /*fileName*/, unsigned /*flags*/) override {}
};

std::unique_ptr<ISoundPlayer>& Player() {
    static std::unique_ptr<ISoundPlayer> player = std::make_unique<SilentPlayer>();
    return player;
}

} // namespace

void sndPlaySoundA(const std::string& fileName, unsigned flags) {
    Player()->Play(fileName, flags);
}

void SetSoundPlayer(std::unique_ptr<ISoundPlayer> player) {
    Player() = player ? std::move(player) : std::make_unique<SilentPlayer>();
}
