// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

// What the platform says of files: who may write them, and where a user's own files go.
namespace Files {
// True when the user running the program may write path, an existing file or folder.
bool Writable(const std::filesystem::path& path);
// Writable and not marked read-only: what is marked so is left alone even by whom permissions
// do not bind (root).
bool MarkedWritable(const std::filesystem::path& path);

enum class UserFolder { Settings, State };
// The user's base folder for programs' settings, or for what they keep between runs (traces):
// on Linux $XDG_CONFIG_HOME and $XDG_STATE_HOME when they hold absolute paths, else
// ~/.config and ~/.local/state; on Windows the user's application-data folder.
std::filesystem::path UserBase(UserFolder folder);
} // namespace Files
