#include "gfx/Surfaces.h"

Buffer* screen = nullptr;
Image* background = nullptr;
