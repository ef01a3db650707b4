#include "gfx/Image.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gfx/Buffer.h"
#include "gfx/ImageLoader.h"

Image::Image(const char* name, int32_t width, int32_t height) : SurfaceHolder(width, height) {
    createSurface();
    const std::string baseName = name == nullptr ? "" : name;
    print(("Loading image \"" + baseName + "\".").c_str());
    const std::string fileName = baseName + ".pl";
    ImageLoader loader(this);
    if (!loader.load(fileName.c_str())) {
        error(("Image load failed! File: " + fileName + "\n").c_str());
        dropSurface();
        std::exit(kLoadFailedStatus);
    }
    fillFormatSummary();
}

bool Image::canDraw() {
    if (surface == nullptr) {
        error("Image has no buffer trying to draw! What the hell is going on??");
        return false;
    }
    return true;
}

void Image::draw(Buffer& screen) {
    if (canDraw()) {
        screen.blit(this);
    }
}

void Image::drawPart(Buffer& screen, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                     int32_t h) {
    if (canDraw()) {
        screen.blitPart(this, dx, dy, sx, sy, w, h);
    }
}

void Image::drawPartAlpha(Buffer& screen, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                          int32_t h, uint8_t alpha) {
    if (canDraw()) {
        screen.blitPartAlpha(this, dx, dy, sx, sy, w, h, alpha);
    }
}
