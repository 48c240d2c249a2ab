// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// What the platform says of files: who may write them, where a user's own files go, and how a
// file name is handed to it.
//
// File names travel through the program as UTF-8 text (std::string), as Qt gives them. Only
// these functions turn that text into the system's own names: on Windows a narrow string given
// to std::filesystem::path or fopen is read in the ANSI code page, and any name outside ASCII
// (an accented folder or account name) then names another file, or none.
namespace Files {
// The system's name for the UTF-8 file name utf8, and the other way round.
std::filesystem::path Path(std::string_view utf8);
std::string Utf8(const std::filesystem::path& path);
// fopen of a UTF-8 file name (mode as fopen's, in ASCII); null when it cannot be opened.
std::FILE* Open(const std::string& utf8, const char* mode);

// True when the user running the program may write path, an existing file or folder.
bool Writable(const std::filesystem::path& path);
// Writable and not marked read-only: what is marked so is left alone even by whom permissions
// do not bind (root).
bool MarkedWritable(const std::filesystem::path& path);

// True when path lies in a folder where programs are installed for every user of the computer
// (Windows' Program Files): what is there is every user's, so a program keeps its own files
// elsewhere even when it may write there, run as an administrator. Never on Linux.
bool SharedProgramFolder(const std::filesystem::path& path);

enum class UserFolder { Settings, State, Data };
// The user's base folder for programs' settings, for what they keep between runs (traces), or
// for the user's own files that programs keep (recordings): on Linux $XDG_CONFIG_HOME,
// $XDG_STATE_HOME and $XDG_DATA_HOME when they hold absolute paths, else ~/.config,
// ~/.local/state and ~/.local/share; on Windows the user's local application-data folder, and
// for Data the roaming one (%APPDATA%), which follows the user from one computer to another.
std::filesystem::path UserBase(UserFolder folder);
} // namespace Files
