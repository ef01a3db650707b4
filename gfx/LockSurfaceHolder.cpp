#include "gfx/LockSurfaceHolder.h"

LockSurfaceHolder::LockSurfaceHolder(SurfaceHolder* target)
    : SurfaceHolder(target->getWidth(), target->getHeight()), target(target),
      pixels(target->getSurface() == nullptr ? nullptr : target->getSurface()->pixels) {
    surface = target->getSurface();
    if (surface != nullptr) {
        fillFormatSummary();
    } else {
        copyFormatSummary(*target);
    }
}

LockSurfaceHolder::~LockSurfaceHolder() {
    // The surface belongs to the target.
    surface = nullptr;
}
