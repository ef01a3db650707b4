#pragma once

#include <cstdint>

// Score of the current or last game, one point per alien killed; -1 before
// the first game.
extern int32_t score;
