// SPDX-License-Identifier: MIT
#include "app/platform/Files.h"

#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>
#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

namespace fs = std::filesystem;

namespace Files {
namespace platform {

// Windows grants writing by access lists that the C library's access() does not read (it
// answers for Program Files as for any folder): only trying tells. A folder by a new file in
// it, a file by opening it for writing, without changing either.
bool Writable(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        QTemporaryFile probe(QString::fromStdWString((path / "XXXXXX.tmp").wstring()));
        return probe.open();
    }
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

// A folder's read-only mark means nothing to Windows (Explorer uses it for customised
// folders): only files are marked.
bool MarkedWritable(const fs::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           ((attributes & FILE_ATTRIBUTE_DIRECTORY) || !(attributes & FILE_ATTRIBUTE_READONLY)) &&
           Writable(path);
}

} // namespace platform

// fopen would read the name in the ANSI code page.
std::FILE* Open(const std::string& utf8, const char* mode) {
    const std::string_view ascii(mode);
    return ::_wfopen(Path(utf8).c_str(), std::wstring(ascii.begin(), ascii.end()).c_str());
}

namespace {

// Windows' file names are the same whatever their case.
bool SameName(const fs::path& a, const fs::path& b) {
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool Inside(const fs::path& path, const fs::path& folder) {
    auto part = path.begin();
    for (const fs::path& name : folder) {
        if (name.empty()) {
            continue;
        }
        if (part == path.end() || !SameName(*part, name)) {
            return false;
        }
        ++part;
    }
    return true;
}

bool InsideKnownFolder(const fs::path& path, const KNOWNFOLDERID& id) {
    PWSTR folder = nullptr;
    const bool known = SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &folder));
    const bool inside = known && Inside(path, fs::path(folder).lexically_normal());
    ::CoTaskMemFree(folder);
    return inside;
}

} // namespace

bool SharedProgramFolder(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error).lexically_normal();
    return !error && (InsideKnownFolder(absolute, FOLDERID_ProgramFiles) ||
                      InsideKnownFolder(absolute, FOLDERID_ProgramFilesX86));
}

// Qt has no generic roaming folder: the known folder itself, moved aside in Qt's test mode as
// Qt moves its own, so that tests never touch a user's files.
fs::path UserBase(UserFolder folder) {
    if (folder == UserFolder::Data) {
        PWSTR roaming = nullptr;
        const bool known =
            SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming));
        fs::path base = known ? fs::path(roaming) : fs::path();
        ::CoTaskMemFree(roaming);
        return QStandardPaths::isTestModeEnabled() ? base / "qttest" : base;
    }
    const auto location = folder == UserFolder::Settings ? QStandardPaths::GenericConfigLocation
                                                         : QStandardPaths::GenericDataLocation;
    return fs::path(QStandardPaths::writableLocation(location).toStdWString());
}

} // namespace Files
