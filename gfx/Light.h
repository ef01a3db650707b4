#pragma once

#include <cstdint>

#include "app/GBase.h"
#include "audio/Switchable.h"

// The light effects object that game objects ask for lights. Its on flag is
// the "High detail" setting, stepped by the setup menu like any switch. This
// version carries the switch and takes every request but adds no light yet.
// Positions are light cells, half a screen pixel each way: callers halve
// their screen position with an arithmetic shift (x >> 1), which rounds the
// same way on both sides of the screen edge. Radii are cells too.
class Light : public GBase, public Switchable {
  public:
    // Starts on, at level 0; the level is not used by the lights.
    Light() : Switchable(1, 0) {}

    // A round light of radius r; the short form is white.
    void roundLight(int32_t x, int32_t y, int32_t r, int32_t red, int32_t green, int32_t blue);
    void roundLight(int32_t x, int32_t y, int32_t r);
    // A cone of radius r toward a direction 0..31, width in directions.
    void coneLight(int32_t x, int32_t y, int32_t r, int32_t direction, int32_t width, int32_t red,
                   int32_t green, int32_t blue);
    // A bright band of half-width a ending at radius r.
    void ringLight(int32_t x, int32_t y, int32_t r, int32_t a, int32_t red, int32_t green,
                   int32_t blue);
    // A small plus-shaped glint.
    void spark(int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue);
};
