#pragma once

#include "gfx/SurfaceHolder.h"

// A view onto another holder's surface for direct pixel access. It shares the
// surface and never frees it. A view onto no holder has no surface.
class LockSurfaceHolder : public SurfaceHolder {
  public:
    explicit LockSurfaceHolder(SurfaceHolder* target);
    ~LockSurfaceHolder() override;

    SurfaceHolder* getTarget() const { return target; }
    void* getPixels() const { return pixels; }

  protected:
    SurfaceHolder* target;
    void* pixels;
};
