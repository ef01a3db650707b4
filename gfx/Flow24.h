#pragma once

#include "gfx/FaderItem.h"

// The flow of a 24-bit display: copies the three bytes of each pixel.
class Flow24 : public FaderItem {
  public:
    bool flow(const uint8_t* snapshot, uint8_t* screen, const uint16_t* offsets) override;
};
