// SPDX-License-Identifier: MIT
#include "app/platform/ChangeFileExt.h"

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
    const std::size_t point = fileName.find_last_of(".\\/:");
    if (point == std::string::npos || fileName[point] != '.') {
        return fileName + extension;
    }
    return fileName.substr(0, point) + extension;
}
