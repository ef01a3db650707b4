#pragma once

#include <cstdint>

#include "core/GBase.h"

class SurfaceHolder;

// Reads a true-colour TGA picture (raw or run-length, 16, 24 or 32 bits) into
// a holder whose surface already has the picture's size, converting every
// pixel to the surface's depth.
class ImageLoader : public GBase {
  public:
    explicit ImageLoader(SurfaceHolder* target);

    // False, with one message, for a file that cannot be opened (or is not a
    // regular file) or has the wrong size, type or depth; the surface then
    // keeps what it held. Also false, silently, on a display that is not 16
    // or 24 bits deep. A file that ends before its last pixel is loaded as
    // far as it goes, the rest black, with the message "Image data ends
    // early!", and counts as loaded.
    bool load(const char* fileName);

  private:
    SurfaceHolder* target;
    SurfaceHolder* filling = nullptr;
};
