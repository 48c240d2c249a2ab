// SPDX-License-Identifier: MIT
#include "support/Fakes.h"

#include "app/platform/Screen.h"

#include <QDir>
#include <algorithm>
#include <stdexcept>

namespace {

class RecordingPresenter : public IMessagePresenter {
public:
    explicit RecordingPresenter(FakeMessages& fake) : fake_(fake) {}
    int Present(const QString& message, TMsgDlgType type, TMsgDlgButtons buttons,
                int /*helpContext*/) override {
        fake_.messages.push_back({message, type, buttons});
        return fake_.answer;
    }

private:
    FakeMessages& fake_;
};

class RecordingAnswerer : public IModalAnswerer {
public:
    explicit RecordingAnswerer(FakeModal& fake) : fake_(fake) {}
    int ShowModal(TForm& form) override {
        fake_.shown.push_back(QString::fromLatin1(form.metaObject()->className()));
        form.SetModalResult(mrNone);
        if (fake_.onShow) {
            fake_.onShow(form);
        }
        int answer = form.ModalResult();
        if (answer == mrNone && !fake_.answers.empty()) {
            answer = fake_.answers.front();
            fake_.answers.pop_front();
        } else if (answer == mrNone) {
            answer = fake_.defaultAnswer;
        }
        form.SetModalResult(answer);
        return answer;
    }

private:
    FakeModal& fake_;
};

class RecordingPlayer : public ISoundPlayer {
public:
    explicit RecordingPlayer(FakeSound& fake) : fake_(fake) {}
    void Play(const std::string& fileName, unsigned flags) override {
        fake_.played.push_back({fileName, flags});
    }

private:
    FakeSound& fake_;
};

class FixedWorkArea : public IWorkArea {
public:
    explicit FixedWorkArea(FakeWorkArea& fake) : fake_(fake) {}
    TRect Get() override { return fake_.area; }

private:
    FakeWorkArea& fake_;
};

} // namespace

FakeMessages::FakeMessages() {
    SetMessagePresenter(std::make_unique<RecordingPresenter>(*this));
}

FakeMessages::~FakeMessages() {
    SetMessagePresenter(nullptr);
}

FakeModal::FakeModal() {
    SetModalAnswerer(std::make_unique<RecordingAnswerer>(*this));
}

FakeModal::~FakeModal() {
    SetModalAnswerer(nullptr);
}

int FakeModal::Count(const QString& className) const {
    return int(std::count(shown.begin(), shown.end(), className));
}

FakeSound::FakeSound() {
    SetSoundPlayer(std::make_unique<RecordingPlayer>(*this));
}

FakeSound::~FakeSound() {
    SetSoundPlayer(nullptr);
}

FakeWorkArea::FakeWorkArea(const TRect& area) : area(area) {
    SetWorkArea(std::make_unique<FixedWorkArea>(*this));
}

FakeWorkArea::~FakeWorkArea() {
    SetWorkArea(nullptr);
}

DossierTemp::DossierTemp() : previous_(QDir::currentPath()) {
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path())) {
        throw std::runtime_error("cannot make a temporary working folder");
    }
}

DossierTemp::~DossierTemp() {
    QDir::setCurrent(previous_);
}

QString DossierTemp::Chemin() const {
    return dir_.path();
}

QString DossierTemp::Chemin(const QString& relative) const {
    return QDir(dir_.path()).filePath(relative);
}
