#include "gfx/LockSurfaceHolder.h"

LockSurfaceHolder::LockSurfaceHolder(Surface* target)
    : Surface(target != nullptr ? target->getWidth() : 0,
                    target != nullptr ? target->getHeight() : 0) {
    // A view onto nothing holds no surface and so draws nothing.
    if (target == nullptr) {
        return;
    }
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
