#pragma once

#include "world/Linkable.h"

// A list item with a place on the playfield; for game objects the centre.
class LinkablePoint : public Linkable {
  public:
    LinkablePoint(int32_t x, int32_t y) : x(x), y(y) {}

    int32_t x;
    int32_t y;
};
