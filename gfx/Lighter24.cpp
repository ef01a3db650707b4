#include "gfx/Lighter24.h"

void Lighter24::buildFalloff(LightTables& tables) {
    fillFalloff(tables, 64, 50);
}
