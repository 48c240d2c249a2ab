// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

// A settings file that behaves like the Windows profile functions: section and key names
// matched without case, existing keys updated in place, new keys and sections appended,
// every write stored at once. A write that fails changes nothing on disk.
class TIniFile {
public:
    explicit TIniFile(const std::string& fileName);
    ~TIniFile();

    // The default when the value is missing or is not a number.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // An integer other than 0 reads as true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // Both return false when the file could not be written.
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteBool(const std::string& section, const std::string& key, bool value); // "1"/"0"

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
