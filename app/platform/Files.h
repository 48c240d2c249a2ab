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
// (an accented folder or account name) then names another file, or none. The program's
// manifest (packaging/win32/Kornibelle.exe.manifest.in) makes that code page UTF-8 where
// Windows allows it (10 version 1903 on), for the libraries' own narrow names; these functions
// do not depend on it, which older versions ignore.
namespace Files {
// The system's name for the UTF-8 file name utf8, and the other way round.
std::filesystem::path Path(std::string_view utf8);
std::string Utf8(const std::filesystem::path& path);
// fopen of a UTF-8 file name (mode as fopen's, in ASCII); null when it cannot be opened.
std::FILE* Open(const std::string& utf8, const char* mode);

// How a file is written: opened and written where it is, or replaced by a new file made beside
// it and renamed over it (what a write that must not leave half a file does).
enum class Writing { InPlace, Replacing };
// True when the user running the program may write the file named path so: in place, the file
// itself, or its folder when it is new; replacing, its folder (which takes the new file) and
// the file when it exists, neither marked read-only, which is left alone even by whom
// permissions do not bind (root). On Windows, where access lists decide, only trying tells.
bool MayWrite(const std::filesystem::path& path, Writing writing);

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

// Each platform's answers that MayWrite combines, for an existing file or folder: whether the
// user may write it, and whether it is besides not marked read-only.
namespace platform {
bool Writable(const std::filesystem::path& path);
bool MarkedWritable(const std::filesystem::path& path);
} // namespace platform
} // namespace Files
