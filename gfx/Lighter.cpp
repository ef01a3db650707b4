#include "gfx/Lighter.h"

#include "gfx/LightTables.h"

Lighter::Lighter(SurfaceHolder* display, LightTables& tables)
    : LockSurfaceHolder(display), tables(tables) {}

void Lighter::buildFalloff(LightTables&) {}

void Lighter::fillFalloff(LightTables& tables, int32_t top, int32_t drop) {
    tables.falloffRow(0).assign(1, 0);
    for (int32_t r = 1; r < tables.size(); ++r) {
        std::vector<uint8_t>& row = tables.falloffRow(r);
        row.resize(std::size_t(r) + 1);
        for (int32_t j = 0; j <= r; ++j) {
            const int32_t value = top - drop * j / r;
            row[std::size_t(j)] = static_cast<uint8_t>(value > 0 ? value : 0);
        }
    }
}

void Lighter::round(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Lighter::cone(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Lighter::ring(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Lighter::spark(int32_t, int32_t, int32_t, int32_t, int32_t) {}
