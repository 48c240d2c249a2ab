// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

// An error raised by the platform (a file that cannot be read, a picture it cannot decode).
// Handlers let it go; the handler guard shows its message in an error box.
class EPlatformError : public std::runtime_error {
public:
    explicit EPlatformError(const std::string& message) : std::runtime_error(message) {}
};
