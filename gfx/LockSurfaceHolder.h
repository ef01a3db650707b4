#pragma once

#include "gfx/Surface.h"

// A view onto another holder's surface for direct pixel access. It shares the
// surface and never frees it. A view onto no holder has no surface.
class LockSurfaceHolder : public Surface {
  public:
    explicit LockSurfaceHolder(Surface* target);
    ~LockSurfaceHolder() override;
};
