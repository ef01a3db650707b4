#include "gfx/Lighter8.h"

void Lighter8::buildFalloff(LightTables& tables) {
    fillFalloff(tables, 16, 14);
}
