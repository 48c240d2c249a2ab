// SPDX-License-Identifier: MIT
#include "support/Fakes.h"

#include "app/platform/Screen.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace {

void EmptyGameFolders() {
    std::error_code error;
    for (const auto folder :
         {Files::UserFolder::Settings, Files::UserFolder::State, Files::UserFolder::Data}) {
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

DiskAudio::DiskAudio(const QString& folder, const QByteArray& heard)
    : played_(folder + "/joue.raw") {
    const QString heardFile = folder + "/entendu.raw";
    QFile input(heardFile);
    if (!input.open(QIODevice::WriteOnly) || input.write(heard) != heard.size()) {
        throw std::runtime_error("cannot write what the microphone hears");
    }
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(played_));
    qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(heardFile));
}

DiskAudio::~DiskAudio() {
    qputenv("SDL_AUDIODRIVER", "dummy");
}

std::vector<int> DiskAudio::Levels() const {
    constexpr int kLeast = 256; // samples of one value that make a sound, not a ramp
    SetSoundPlayer(nullptr);
    QFile file(played_);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::vector<qint16> samples(std::size_t(bytes.size()) / sizeof(qint16));
    if (!samples.empty()) {
        std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(qint16));
    }
    std::vector<int> levels;
    int run = 0;
    int previous = 0;
    for (const qint16 sample : samples) {
        const int value = qFromLittleEndian(sample);
        run = value == previous ? run + 1 : 0;
        previous = value;
        const int level = int(std::lround(value / 100.0)) * 100;
        if (run == kLeast && level != 0 && (levels.empty() || levels.back() != level)) {
            levels.push_back(level);
        }
    }
    return levels;
}

void WriteSteadyWav(const QString& path, double seconds, int level) {
    constexpr quint32 kRate = 44100;
    const auto count = quint32(seconds * kRate);
    QByteArray wav("RIFF");
    auto put = [&wav](quint32 value, int size) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        wav.append(bytes, size);
    };
    put(36 + count * 2, 4);
    wav.append("WAVEfmt ");
    for (const auto& [value, size] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {kRate, 4}, {kRate * 2, 4}, {2u, 2}, {16u, 2}}) {
        put(value, size);
    }
    wav.append("data");
    put(count * 2, 4);
    for (quint32 i = 0; i < count; ++i) {
        put(quint32(quint16(qint16(level))), 2);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

FakeUserFolders::FakeUserFolders(const std::string& root)
    : config_{"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME"),
              qEnvironmentVariableIsSet("XDG_CONFIG_HOME")},
      state_{"XDG_STATE_HOME", qgetenv("XDG_STATE_HOME"),
             qEnvironmentVariableIsSet("XDG_STATE_HOME")},
      data_{"XDG_DATA_HOME", qgetenv("XDG_DATA_HOME"), qEnvironmentVariableIsSet("XDG_DATA_HOME")} {
    qputenv(config_.name, QByteArray::fromStdString(root + "/config"));
    qputenv(state_.name, QByteArray::fromStdString(root + "/etat"));
    qputenv(data_.name, QByteArray::fromStdString(root + "/donnees"));
    QStandardPaths::setTestModeEnabled(true);
    EmptyGameFolders();
}

FakeUserFolders::~FakeUserFolders() {
    EmptyGameFolders();
    QStandardPaths::setTestModeEnabled(false);
    for (const Variable& variable : {config_, state_, data_}) {
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
