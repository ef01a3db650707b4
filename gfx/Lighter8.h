#pragma once

#include "gfx/Lighter.h"

// The lighter of an 8-bit display: it builds its table but adds no light, as
// a palette has no channels to add to.
class Lighter8 : public Lighter {
  public:
    using Lighter::Lighter;
    void buildFalloff(LightTables& tables) override;
};
