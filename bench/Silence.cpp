// SPDX-License-Identifier: MIT
#include "bench/Silence.h"

#include "app/platform/Dialogs.h"
#include "app/platform/Form.h"
#include "app/platform/Sound.h"

#include <memory>

namespace {

class LecteurMuet : public ISoundPlayer {
public:
    void Play(const std::string&, unsigned) override {}
};

class MessagesComptes : public IMessagePresenter {
public:
    explicit MessagesComptes(int& compte) : compte_(compte) {}
    int Present(const QString&, TMsgDlgType, TMsgDlgButtons, int) override {
        ++compte_;
        return mrOk;
    }

private:
    int& compte_;
};

class ReponseFixe : public IModalAnswerer {
public:
    ReponseFixe(int reponse, int& compte) : reponse_(reponse), compte_(compte) {}
    int ShowModal(TForm& form) override {
        ++compte_;
        form.SetModalResult(reponse_);
        return reponse_;
    }

private:
    int reponse_;
    int& compte_;
};

} // namespace

Silence::Silence(int reponseModale) {
    SetSoundPlayer(std::make_unique<LecteurMuet>());
    SetMessagePresenter(std::make_unique<MessagesComptes>(messages));
    SetModalAnswerer(std::make_unique<ReponseFixe>(reponseModale, fenetresModales));
}

Silence::~Silence() {
    SetModalAnswerer(nullptr);
    SetMessagePresenter(nullptr);
    SetSoundPlayer(nullptr);
}
