#pragma once

#include <string>
#include <vector>

// One scrambled text file of the game: its name below the data folder and
// its lines, written one to a line.
struct TextFile {
    std::string name;
    std::vector<std::string> lines;
};
