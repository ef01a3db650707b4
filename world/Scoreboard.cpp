#include "world/Scoreboard.h"

int32_t score = 0;
