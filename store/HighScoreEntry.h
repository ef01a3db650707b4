#pragma once

#include <cstdint>
#include <string>

// One row of a high-score table. The score text is what is drawn and saved;
// the value is parsed from it.
struct HighScoreEntry {
    std::string scoreText;
    int32_t score = 0;
    std::string name;
};
