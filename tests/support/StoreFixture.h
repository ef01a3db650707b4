#pragma once

#include <string>
#include <vector>

#include "support/TempDir.h"

// The stored files as a test meets them: scrambled texts written and read
// as the game keeps them, and what stands at a name on disk.

// Writes plain text into dir/name, scrambled as the game stores it.
void writeEnciphered(const TempDir& dir, const std::string& name, const std::string& plain);
// The plain text of the scrambled file dir/name.
std::string readEnciphered(const TempDir& dir, const std::string& name);
// The names in the folder, sorted.
std::vector<std::string> filesIn(const TempDir& dir);
// What stands at path, without following a link: "missing", "folder",
// "fifo", "link to <target>", or "file " and its bytes.
std::string stateOf(const std::string& path);
