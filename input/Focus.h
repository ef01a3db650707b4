#pragma once

#include "core/GBase.h"
#include "input/Focusable.h"

// Names the one receiver of key events, or none.
class Focus : public GBase {
  public:
    Focusable* current = nullptr;
};
