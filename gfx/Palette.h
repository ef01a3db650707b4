#pragma once

#include <SDL.h>

#include "core/GBase.h"

// The display's palette in 8-bit mode, which every 8-bit surface shares.
class Palette : public GBase {
  public:
    explicit Palette(SDL_Surface* display);

    SDL_Palette* getPalette() const { return palette; }
    SDL_Surface* getDisplay() const { return display; }

  private:
    SDL_Palette* palette;
    SDL_Surface* display;
};
