#include "gfx/Bob.h"

#include <string>

#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/ImageLoader.h"

Bob::Bob(const char* name, int32_t width, int32_t height) : SurfaceHolder(width, height) {
    if (!createSurface()) {
        return;
    }
    const std::string fileName = std::string(name == nullptr ? "" : name) + ".bl";
    ImageLoader loader(this);
    if (!loader.load(fileName.c_str())) {
        dropSurface();
        return;
    }
    keyBlack();
}

Bob::Bob(int32_t width, int32_t height) : SurfaceHolder(width, height) {
    if (createSurface()) {
        keyBlack();
    }
}

void Bob::keyBlack() {
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, 0);
    refreshColorKey();
}

void Bob::drawAt(Buffer& screen, int32_t x, int32_t y) {
    screen.blitAt(this, x, y);
}

void Bob::drawAtAlpha(Buffer& screen, int32_t x, int32_t y, uint8_t alpha) {
    screen.blitAtAlpha(this, x, y, alpha);
}

void Bob::drawOnBackground(Image& playfield, int32_t x, int32_t y) {
    playfield.blitAt(this, x, y);
}
