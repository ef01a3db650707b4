#include "gfx/Lighter.h"

#include "gfx/LightTables.h"

Lighter::Lighter(Surface* display, LightTables& tables)
    : LockSurfaceHolder(display), tables(tables) {}

void Lighter::buildFalloff(LightTables&) {}


void Lighter::round(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Lighter::cone(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Lighter::ring(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Lighter::spark(int32_t, int32_t, int32_t, int32_t, int32_t) {}
