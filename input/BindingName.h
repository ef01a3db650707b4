#pragma once

#include <string>

#include "store/Binding.h"

// The readable name of what a binding names, as the key screen shows it.
class BindingName {
  public:
    // SDL's name for a key ("left ctrl"), "pad 1 stick left" or "pad 2
    // button 1" (buttons counted from 1, as printed on most pads); empty for
    // anything with no name, on a device the game does not know included.
    static std::string of(const Binding& binding);

  private:
    static std::string ofKey(int32_t key);
    static std::string ofPadState(int32_t pad, int32_t state);
};
