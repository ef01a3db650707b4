#include "gfx/Lighter8.h"

#include "gfx/LightTables.h"

void Lighter8::buildFalloff(LightTables& tables) {
    tables.fillFalloff(16, 14);
}
