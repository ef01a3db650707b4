#pragma once

#include "gfx/FaderItem.h"

// The flow of an 8-bit display: copies palette indices.
class Flow8 : public FaderItem {
  public:
    bool flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) override;
};
