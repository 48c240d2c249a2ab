// SPDX-License-Identifier: MIT
#include "app/platform/IniFile.h"
#include "app/platform/Files.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A whole decimal number, spaces around it allowed; anything else is no number.
bool ParseInteger(std::string_view text, int& value) {
    text = Trim(text);
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

// Names are plain ASCII in practice; bytes above it are compared as they are.
bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// One line of the file: [begin, end) is its text, [end, next) its line end, if any.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < content.size()) {
        const std::size_t feed = content.find('\n', begin);
        if (feed == std::string_view::npos) {
            lines.push_back({begin, content.size(), content.size()});
            break;
        }
        const std::size_t end = feed > begin && content[feed - 1] == '\r' ? feed - 1 : feed;
        lines.push_back({begin, end, feed + 1});
        begin = feed + 1;
    }
    return lines;
}

enum class Kind { Blank, Comment, Section, Key, Other };

struct Parsed {
    Kind kind = Kind::Blank;
    std::string_view name;      // of a section or a key
    std::size_t valueBegin = 0; // positions in the file of a key's value, spaces left out
    std::size_t valueEnd = 0;
};

constexpr std::string_view kBom = "\xEF\xBB\xBF";

Parsed Parse(std::string_view content, const Line& line) {
    std::size_t begin = line.begin;
    // An editor's byte-order mark must not hide the first section.
    if (begin == 0 && content.substr(0, kBom.size()) == kBom) {
        begin = kBom.size();
    }
    const std::string_view raw = content.substr(begin, line.end - begin);
    const std::string_view text = Trim(raw);
    Parsed parsed;
    if (text.empty()) {
        return parsed;
    }
    if (text.front() == ';' || text.front() == '#') {
        parsed.kind = Kind::Comment;
    } else if (const std::size_t close = text.find(']');
               text.front() == '[' && close != std::string_view::npos) {
        // An opening bracket without its closing one opens no section.
        parsed.kind = Kind::Section;
        parsed.name = Trim(text.substr(1, close - 1));
    } else if (const std::size_t equals = raw.find('='); equals != std::string_view::npos) {
        parsed.kind = Kind::Key;
        parsed.name = Trim(raw.substr(0, equals));
        const std::size_t after = begin + equals + 1;
        const std::string_view value = Trim(content.substr(after, line.end - after));
        parsed.valueBegin = value.empty() ? after : std::size_t(value.data() - content.data());
        parsed.valueEnd = parsed.valueBegin + value.size();
    } else {
        parsed.kind = Kind::Other;
    }
    return parsed;
}

// Where a key stands, or would go: the first section of that name, its first line of that
// key, and the last line of the section that is neither blank nor a comment (those, at the
// end of a section, usually introduce what follows).
struct Place {
    std::optional<std::size_t> section;
    std::optional<std::size_t> key;
    std::size_t last = 0;
    Parsed value;
};

Place Find(std::string_view content, const std::vector<Line>& lines, std::string_view section,
           std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Parsed parsed = Parse(content, lines[i]);
        if (parsed.kind == Kind::Section) {
            if (place.section) {
                break;
            }
            if (SameName(parsed.name, section)) {
                place.section = place.last = i;
            }
            continue;
        }
        if (!place.section || parsed.kind == Kind::Blank || parsed.kind == Kind::Comment) {
            continue;
        }
        place.last = i;
        if (parsed.kind == Kind::Key && !place.key && SameName(parsed.name, key)) {
            place.key = i;
            place.value = parsed;
        }
    }
    return place;
}

// Added lines end as the file's own lines do.
std::string LineEnd(std::string_view content) {
    const std::size_t feed = content.find('\n');
    return feed != std::string_view::npos && feed > 0 && content[feed - 1] == '\r' ? "\r\n" : "\n";
}

// The content with value stored under section and key, every other byte as it was.
std::string Stored(const std::string& content, std::string_view section, std::string_view key,
                   std::string_view value) {
    const std::vector<Line> lines = SplitLines(content);
    const Place place = Find(content, lines, section, key);
    std::string result = content;
    if (place.key) {
        result.replace(place.value.valueBegin, place.value.valueEnd - place.value.valueBegin,
                       value);
        return result;
    }
    const std::string end = LineEnd(content);
    const std::size_t at = place.section ? lines[place.last].next : content.size();
    // Appended piece by piece: GCC 12 at -O3 mistakes "literal" + a temporary string for an
    // overlapping copy (-Wrestrict).
    std::string added;
    // A last line without a line end is given one only when something follows it.
    if (at > 0 && content[at - 1] != '\n') {
        added += end;
    }
    if (!place.section) {
        added.append("[").append(section).append("]").append(end);
    }
    added.append(key).append("=").append(value).append(end);
    result.insert(at, added);
    return result;
}

QString FileName(const std::string& fileName) {
    return QString::fromStdString(fileName);
}

} // namespace

// A temporary file beside the target is renamed over it, so that a failure at any point
// leaves the old content whole; QSaveFile removes it when it is not committed.
bool ReplaceIniFile(const std::string& fileName, std::string_view content) {
    if (!Files::MayWrite(Files::Path(fileName), Files::Writing::Replacing)) {
        return false;
    }
    QSaveFile file(FileName(fileName));
    // Unbuffered, so that a short write (a full disk) is seen here: a buffered one would be cut
    // short at the commit without a word, and the cut file renamed over the old.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    if (file.write(content.data(), qint64(content.size())) != qint64(content.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

struct TIniFile::Impl {
    std::string fileName;
    std::string content;

    // Reads the file as it is on disk now; false when it exists but cannot be read.
    bool Load() {
        content.clear();
        QFile file(FileName(fileName));
        if (!file.exists()) {
            return true;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray bytes = file.readAll();
        content.assign(bytes.constData(), std::size_t(bytes.size()));
        return true;
    }

    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const {
        const Place place = Find(content, SplitLines(content), section, key);
        if (!place.key) {
            return std::nullopt;
        }
        return std::string_view(content).substr(place.value.valueBegin,
                                                place.value.valueEnd - place.value.valueBegin);
    }

    // A value already stored as it is leaves the file untouched.
    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        if (!Load()) {
            return false;
        }
        std::string text = Stored(content, section, key, value);
        if (text == content) {
            return true;
        }
        if (!ReplaceIniFile(fileName, text)) {
            return false;
        }
        content = std::move(text);
        return true;
    }
};

TIniFile::TIniFile(const std::string& fileName) : impl_(std::make_unique<Impl>()) {
    impl_->fileName = fileName;
    impl_->Load();
}

TIniFile::~TIniFile() = default;

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    const std::optional<std::string_view> text = impl_->Value(section, key);
    int value = 0;
    return text && ParseInteger(*text, value) ? value : defaultValue;
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
