#pragma once

#include "gfx/Lighter.h"

// The lighter of a 24-bit display: it builds a table of its own scale but
// adds no light.
class Lighter24 : public Lighter {
  public:
    using Lighter::Lighter;
    void buildFalloff(LightTables& tables) override;
};
