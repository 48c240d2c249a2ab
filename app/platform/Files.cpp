// SPDX-License-Identifier: MIT
#include "app/platform/Files.h"

// Through char8_t, which every platform's library reads as UTF-8.
namespace Files {

std::filesystem::path Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace Files
