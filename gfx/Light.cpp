#include "gfx/Light.h"

void Light::roundLight(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Light::roundLight(int32_t x, int32_t y, int32_t r) {
    roundLight(x, y, r, 255, 255, 255);
}

void Light::coneLight(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Light::ringLight(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

void Light::spark(int32_t, int32_t, int32_t, int32_t, int32_t) {}
