// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// fileName with its extension (from the last dot of its last component) replaced by
// extension; a name without an extension gets extension appended.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
