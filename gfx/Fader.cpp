#include "gfx/Fader.h"

Fader::Fader(SurfaceHolder* screenHolder, int32_t width, int32_t height, int32_t speed)
    : SurfaceHolder(width, height), screenHolder(screenHolder), speed(speed) {}

Fader::~Fader() = default;
