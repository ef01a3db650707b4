#pragma once

#include <cstdint>
#include <memory>

#include "audio/Switchable.h"
#include "gfx/LightTables.h"
#include "gfx/LockSurfaceHolder.h"

class Lighter;

// Coloured light added into the composed frame: round lights, cones, rings
// and sparks. Its switch is the "High detail" setting; while it is off every
// request does nothing. Light shows on a 16-bit display only.
//
// Positions and radii are light cells, half a screen pixel each way: callers
// halve their screen position with an arithmetic shift (x >> 1), which rounds
// the same way on both sides of the screen edge.
class Light : public LockSurfaceHolder, public Switchable {
  public:
    // On display (not owned); size 512 gives tables of 256 cells a side. A
    // light on no display keeps its switch and adds nothing.
    Light(Surface* display, int32_t size);
    Light();
    ~Light() override;

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
    void rebuildFalloff();

    // The largest radius the tables can draw; larger requests are cut to it.
    int32_t maxRadius() const { return tables.centre() - 1; }

    static constexpr int32_t kGameSize = 512;

  private:
    bool canDraw() const { return on != 0 && lighter != nullptr; }
    int32_t clampRadius(int32_t r) const;

    LightTables tables;
    std::unique_ptr<Lighter> lighter;
};
