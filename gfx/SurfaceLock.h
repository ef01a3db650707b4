#pragma once

#include <SDL.h>
#include <cstdint>

// Locks a surface for direct pixel access, when SDL requires it, for one
// scope. A null surface, or one SDL would not lock, is not usable.
class SurfaceLock {
  public:
    explicit SurfaceLock(SDL_Surface* surface)
        : surface(surface),
          locked(surface != nullptr && SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) == 0),
          usable(surface != nullptr && (locked || !SDL_MUSTLOCK(surface))) {}
    ~SurfaceLock() {
        if (locked) {
            SDL_UnlockSurface(surface);
        }
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    bool isUsable() const { return usable; }
    // The first pixel's byte, or null when the surface is not usable.
    uint8_t* pixels() const { return usable ? static_cast<uint8_t*>(surface->pixels) : nullptr; }

  private:
    SDL_Surface* surface;
    bool locked;
    bool usable;
};
