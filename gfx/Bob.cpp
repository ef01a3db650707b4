#include "gfx/Bob.h"

#include <string>

#include "gfx/Buffer.h"
#include "gfx/Image.h"
#include "gfx/ImageLoader.h"
#include "gfx/Surfaces.h"

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

void Bob::drawAt(int32_t x, int32_t y) {
    if (screen != nullptr) {
        screen->blitAt(this, x, y);
    }
}

void Bob::drawAtAlpha(int32_t x, int32_t y, uint8_t alpha) {
    if (screen != nullptr) {
        screen->blitAtAlpha(this, x, y, alpha);
    }
}

void Bob::drawOnBackground(int32_t x, int32_t y) {
    if (background != nullptr) {
        background->blitAt(this, x, y);
    }
}
