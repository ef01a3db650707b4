#pragma once

// The private folder the fuzz entries write their inputs into, made on first
// use and removed with the process, so parallel runs never share a file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzfolder {

// The full path of a name inside the folder.
std::string path(const std::string& name);
// Writes the bytes to the named file there and returns its full path.
std::string write(const std::string& name, const uint8_t* data, size_t size);
// The same, scrambled as the game stores its text files.
std::string writeScrambled(const std::string& name, const uint8_t* data, size_t size);
// Writes a grey picture there as an uncompressed 24-bit TGA file, top row
// first, taking the grey levels from the bytes and black past their end.
std::string writeGreyTga(const std::string& name, int32_t width, int32_t height,
                         const uint8_t* grey, size_t count);

// The grey levels of a font sheet, row by row: bands of 8 rows, each a top
// marker, glyph rows and a row of white markers bracketing glyphs 3 apart.
std::vector<uint8_t> fontSheet(int32_t width, int32_t height);

} // namespace fuzzfolder
