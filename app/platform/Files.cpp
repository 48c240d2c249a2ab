// SPDX-License-Identifier: MIT
#include "app/platform/Files.h"

#include <system_error>

namespace fs = std::filesystem;

namespace Files {

// Through char8_t, which every platform's library reads as UTF-8.

std::filesystem::path Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool MayWrite(const fs::path& path, Writing writing) {
    std::error_code error;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const bool exists = fs::exists(path, error);
    if (writing == Writing::InPlace && exists) {
        return platform::Writable(path);
    }
    if (!fs::is_directory(folder, error)) {
        return false;
    }
    if (writing == Writing::InPlace) {
        return platform::Writable(folder);
    }
    return platform::MarkedWritable(folder) && (!exists || platform::MarkedWritable(path));
}

} // namespace Files
