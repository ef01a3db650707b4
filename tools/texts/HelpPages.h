#pragma once

#include <vector>

#include "TextFile.h"

// The four help pages, "dat/general01.dat" to "dat/general04.dat".
std::vector<TextFile> helpPages();
// The credits page, "dat/credits01.dat".
std::vector<TextFile> creditsPages();
