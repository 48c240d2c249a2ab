// SPDX-License-Identifier: MIT
#include "app/platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
// Names and values are kept as bytes: no wide-character conversion is needed. The packaged
// header holds the template bodies behind SI_IMPLEMENTATION; this is their one user.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

namespace {

// A whole decimal number, spaces around it allowed; anything else is no number.
bool ParseInteger(std::string_view text, int& value) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t digits = text.empty() || (text.front() != '+' && text.front() != '-') ? 0 : 1;
    if (digits == text.size()) {
        return false;
    }
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    const std::string whole(text);
    errno = 0;
    const long long parsed = std::strtoll(whole.c_str(), nullptr, 10);
    if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
        return false;
    }
    value = int(parsed);
    return true;
}

// The library separates sections with blank lines; they carry no meaning and the file
// reads better compact, one line per section name or key.
std::string WithoutBlankLines(const std::string& text) {
    std::string compact;
    compact.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lineStart = compact.empty() || compact.back() == '\n';
        if (!(lineStart && text[i] == '\n')) {
            compact.push_back(text[i]);
        }
    }
    return compact;
}

QString FileName(const std::string& fileName) {
    return QString::fromStdString(fileName);
}

} // namespace

struct TIniFile::Impl {
    std::string fileName;
    CSimpleIniA ini; // names matched without case

    // Reads the file as it is on disk now; false when it exists but cannot be read.
    bool Load() {
        ini.Reset();
        ini.SetSpaces(false);
        ini.SetMultiKey(false);
        ini.SetMultiLine(false);
        QFile file(FileName(fileName));
        if (!file.exists()) {
            return true;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray content = file.readAll();
        return ini.LoadData(content.constData(), std::size_t(content.size())) >= 0;
    }

    // Replaces the file in one step, so that a failure leaves the old content whole.
    bool Save() {
        std::string text;
        if (ini.Save(text) < 0) {
            return false;
        }
        const std::string content = WithoutBlankLines(text);
        if (!Writable()) {
            return false;
        }
        QSaveFile file(FileName(fileName));
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        if (file.write(content.data(), qint64(content.size())) != qint64(content.size())) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }

    // A file or folder marked read-only is left alone, even for a user whose rights
    // would let the write through.
    bool Writable() const {
        const QFileInfo target(FileName(fileName));
        const QFileInfo folder(target.absolutePath());
        const auto writable = [](const QFileInfo& info) {
            return info.isWritable() && info.permission(QFile::WriteOwner);
        };
        return writable(folder) && (!target.exists() || writable(target));
    }

    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        if (!Load()) {
            return false;
        }
        if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) {
            return false;
        }
        return Save();
    }
};

TIniFile::TIniFile(const std::string& fileName) : impl_(std::make_unique<Impl>()) {
    impl_->fileName = fileName;
    impl_->Load();
}

TIniFile::~TIniFile() = default;

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    const char* text = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    int value = 0;
    return text != nullptr && ParseInteger(text, value) ? value : defaultValue;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return impl_->Write(section, key, std::to_string(value));
}

bool TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return impl_->Write(section, key, value ? "1" : "0");
}
