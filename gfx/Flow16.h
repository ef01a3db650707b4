#pragma once

#include "gfx/FaderItem.h"

// The flow of a 16-bit display: copies whole 16-bit pixels.
class Flow16 : public FaderItem {
  public:
    bool flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) override;
};
