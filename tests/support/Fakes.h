// SPDX-License-Identifier: MIT
// Fakes behind the seams, each named in its seam's language: the adapter layer's in English,
// the game's in French. Each installs itself on construction and restores the real
// implementation on destruction; keep one alive for the span of a test.
#pragma once

#include "app/platform/Dialogs.h"
#include "app/platform/Files.h"
#include "app/platform/Form.h"
#include "app/platform/Rect.h"
#include "app/platform/Sound.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <ctime>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Records every message box instead of showing it, and answers `answer`.
class FakeMessages {
public:
    struct Message {
        QString text;
        TMsgDlgType type;
        TMsgDlgButtons buttons;
    };

    FakeMessages();
    ~FakeMessages();
    FakeMessages(const FakeMessages&) = delete;
    FakeMessages& operator=(const FakeMessages&) = delete;

    std::vector<Message> messages;
    int answer = mrOk;
};

// Records the windows shown modally instead of running them. Each showing first runs
// onShow (when set) on the form; the answer is then the form's own ModalResult() if onShow
// set one, else the next of `answers`, else `defaultAnswer`. The form's ModalResult() is
// left at the answer.
class FakeModal {
public:
    FakeModal();
    ~FakeModal();
    FakeModal(const FakeModal&) = delete;
    FakeModal& operator=(const FakeModal&) = delete;

    // Class names (e.g. "TBravo") of the forms shown, in order; forms may be gone since.
    std::vector<QString> shown;
    std::deque<int> answers;
    int defaultAnswer = mrCancel;
    std::function<void(TForm&)> onShow;

    int Count(const QString& className) const;
};

// Records every sound played, in order.
class FakeSound {
public:
    struct Played {
        std::string fileName;
        unsigned flags;
    };

    FakeSound();
    ~FakeSound();
    FakeSound(const FakeSound&) = delete;
    FakeSound& operator=(const FakeSound&) = delete;

    std::vector<Played> played;
};

// SDL's disk audio driver for the span of a test, for the sound player and microphone opened
// after it: what the player plays goes into a file of folder at the pace of a sound card, and
// the microphone hears `heard`, raw samples in the format it opens. The dummy driver is put
// back on destruction.
class DiskAudio {
public:
    explicit DiskAudio(const QString& folder, const QByteArray& heard = {});
    ~DiskAudio();
    DiskAudio(const DiskAudio&) = delete;
    DiskAudio& operator=(const DiskAudio&) = delete;

    // Closes the sound player, then gives the levels it played, in order: each steady sample
    // value held long enough to be a sound, to the nearest hundred, silence and repeats left out.
    std::vector<int> Levels() const;

private:
    QString played_;
};

// A mono 16-bit WAV file at 44,100 Hz holding `level` for `seconds`.
void WriteSteadyWav(const QString& path, double seconds, int level);

// Makes WorkArea() return `area`.
class FakeWorkArea {
public:
    explicit FakeWorkArea(const TRect& area);
    ~FakeWorkArea();
    FakeWorkArea(const FakeWorkArea&) = delete;
    FakeWorkArea& operator=(const FakeWorkArea&) = delete;

    TRect area;
};

// The user's own folders below root (config/, etat/ and donnees/), through the XDG variables on
// Linux;
// on Windows, Qt's test copy of the application-data folder, where the game's folder is
// removed on construction and on destruction.
class FakeUserFolders {
public:
    explicit FakeUserFolders(const std::string& root);
    ~FakeUserFolders();
    FakeUserFolders(const FakeUserFolders&) = delete;
    FakeUserFolders& operator=(const FakeUserFolders&) = delete;

    // The game's file name in the user's folder of that kind.
    static std::string File(Files::UserFolder folder, const char* name);

private:
    struct Variable {
        const char* name;
        QByteArray value;
        bool present;
    };
    Variable config_;
    Variable state_;
    Variable data_;
};

// Pauses that pass at once; chaquePause, when set, runs at each instead.
class FausseAttente {
public:
    FausseAttente();
    ~FausseAttente();
    FausseAttente(const FausseAttente&) = delete;
    FausseAttente& operator=(const FausseAttente&) = delete;

    std::function<void(int millisecondes, bool sansMessages)> chaquePause;
};

// Seeds new games with graine, which grows by pas after each game.
class FausseGraine {
public:
    explicit FausseGraine(std::time_t graine = 0, std::time_t pas = 0);
    ~FausseGraine();
    FausseGraine(const FausseGraine&) = delete;
    FausseGraine& operator=(const FausseGraine&) = delete;

    std::time_t graine;
    std::time_t pas;
};

// Names the settings file after fichier, as if it were the program's own file.
class FauxProgramme {
public:
    explicit FauxProgramme(std::string fichier);
    ~FauxProgramme();
    FauxProgramme(const FauxProgramme&) = delete;
    FauxProgramme& operator=(const FauxProgramme&) = delete;

    std::string fichier;
};

// A new empty folder made the working folder; the previous one is restored and the folder
// removed on destruction.
class DossierTemp {
public:
    DossierTemp();
    ~DossierTemp();
    DossierTemp(const DossierTemp&) = delete;
    DossierTemp& operator=(const DossierTemp&) = delete;

    // Absolute path of the folder, and of a name relative to it.
    QString Chemin() const;
    QString Chemin(const QString& relative) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
