#pragma once

// The private folder the fuzz entries write their inputs into, made on first
// use and removed with the process, so parallel runs never share a file.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzfolder {

// The full path of a name inside the folder.
std::string path(const std::string& name);
// Writes the bytes to the named file there and returns its full path.
std::string write(const std::string& name, const uint8_t* data, size_t size);
// The same, scrambled as the game stores its text files.
std::string writeScrambled(const std::string& name, const uint8_t* data, size_t size);
// Removes the named file if it is there.
void remove(const std::string& name);

} // namespace fuzzfolder
