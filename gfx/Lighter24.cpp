#include "gfx/Lighter24.h"

#include "gfx/LightTables.h"

void Lighter24::buildFalloff(LightTables& tables) {
    tables.fillFalloff(64, 50);
}
