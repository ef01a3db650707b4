#include "gfx/Palette.h"

Palette::Palette(SDL_Surface* display)
    : palette(display == nullptr ? nullptr : display->format->palette), display(display) {}
