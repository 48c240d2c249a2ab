// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>

// A settings file that behaves like the Windows profile functions: section and key names
// matched without case, the first of a repeated section or key being the one that counts; a
// write changes the value on its key's line, or adds the key at the end of its section, or
// the section at the end of the file, and keeps every other byte (comments, blank lines,
// unknown lines, line ends, 8-bit text). Each write replaces the file at once: one that
// fails changes nothing on disk.
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

// Replaces the file named with content as each write does: in full to a temporary file beside
// it, checked, then renamed over it. False when anything fails, nothing then changed on disk
// nor left behind; a file or folder marked read-only is left alone.
bool ReplaceIniFile(const std::string& fileName, std::string_view content);
