// SPDX-License-Identifier: MIT
#include "support/Fakes.h"

#include "app/platform/Screen.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace {

void EmptyGameFolders() {
    std::error_code error;
    for (const auto folder : {Files::UserFolder::Settings, Files::UserFolder::State}) {
        std::filesystem::remove_all(Files::UserBase(folder) / "kornibelle", error);
    }
}

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

FakeUserFolders::FakeUserFolders(const std::string& root)
    : config_{"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME"),
              qEnvironmentVariableIsSet("XDG_CONFIG_HOME")},
      state_{"XDG_STATE_HOME", qgetenv("XDG_STATE_HOME"),
             qEnvironmentVariableIsSet("XDG_STATE_HOME")} {
    qputenv(config_.name, QByteArray::fromStdString(root + "/config"));
    qputenv(state_.name, QByteArray::fromStdString(root + "/etat"));
    QStandardPaths::setTestModeEnabled(true);
    EmptyGameFolders();
}

FakeUserFolders::~FakeUserFolders() {
    EmptyGameFolders();
    QStandardPaths::setTestModeEnabled(false);
    for (const Variable& variable : {config_, state_}) {
        variable.present ? qputenv(variable.name, variable.value) : qunsetenv(variable.name);
    }
}

std::string FakeUserFolders::File(Files::UserFolder folder, const char* name) {
    return Files::Utf8(Files::UserBase(folder) / "kornibelle" / name);
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
