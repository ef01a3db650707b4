#pragma once

#include <vector>

#include "TextFile.h"

// The remark under the high scores, "dat/comment.dat": one line for every
// 50 points, '%' standing for the score.
std::vector<TextFile> scoreComments();
