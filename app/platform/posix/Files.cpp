// SPDX-License-Identifier: MIT
#include "app/platform/Files.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path Home() {
    const char* home = std::getenv("HOME");
    if (home && *home) {
        return home;
    }
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "/";
}

// The base directory named by variable when it holds an absolute path (relative ones are to
// be ignored), else the default below the home folder.
fs::path BaseDirectory(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && fs::path(value).is_absolute()) {
        return value;
    }
    return Home() / fallback;
}

} // namespace

namespace Files {
namespace platform {

bool Writable(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

bool MarkedWritable(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) && Writable(path);
}

} // namespace platform

// The system's names are bytes, and UTF-8 text is taken as it is.
std::FILE* Open(const std::string& utf8, const char* mode) {
    return std::fopen(utf8.c_str(), mode);
}

bool SharedProgramFolder(const fs::path&) {
    return false;
}

fs::path UserBase(UserFolder folder) {
    switch (folder) {
    case UserFolder::Settings:
        return BaseDirectory("XDG_CONFIG_HOME", ".config");
    case UserFolder::State:
        return BaseDirectory("XDG_STATE_HOME", ".local/state");
    case UserFolder::Data:
        break;
    }
    return BaseDirectory("XDG_DATA_HOME", ".local/share");
}

} // namespace Files
