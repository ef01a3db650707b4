#pragma once

#include <cstdint>

#include "gfx/LockSurfaceHolder.h"

class LightTables;

// Adds light straight into the display's pixels, at half resolution: a
// light cell is two neighbouring pixels of one row and covers two rows.
// Positions and radii are in cells. The Light makes one lighter for the
// display's depth and calls it for every request while its switch is on;
// this base draws nothing.
class Lighter : public LockSurfaceHolder {
  public:
    Lighter(Surface* display, LightTables& tables);

    // Called once, right after construction, to fill the fall-off rows.
    virtual void buildFalloff(LightTables& tables);
    // The requests, with the radius already inside the tables and the
    // direction and width of a cone within 0..31.
    virtual void round(int32_t x, int32_t y, int32_t r, int32_t red, int32_t green, int32_t blue);
    virtual void cone(int32_t x, int32_t y, int32_t r, int32_t direction, int32_t width, int32_t red,
                      int32_t green, int32_t blue);
    virtual void ring(int32_t x, int32_t y, int32_t r, int32_t a, int32_t red, int32_t green,
                      int32_t blue);
    virtual void spark(int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue);

  protected:
    const LightTables& tables;
};
