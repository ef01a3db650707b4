#pragma once

#include <string>
#include <vector>

#include "Composer.h"

// The game's music: file name below the data folder and its style.
struct Piece {
    std::string file;
    Style style;
};

std::vector<Piece> allPieces();
