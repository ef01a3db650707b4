#include "gfx/FlowFader.h"

#include <algorithm>
#include <limits>

#include "gfx/Flow16.h"
#include "gfx/Flow24.h"
#include "gfx/Flow8.h"
#include "gfx/SurfaceLock.h"

namespace {
// A fader too slow to move would never end, and a draw modulo 0 is undefined.
constexpr int32_t kLeastFall = 1;
// Far enough below any surface SDL can make; saturating here keeps a
// fallen column from wrapping back to the top.
constexpr int64_t kFurthest = std::numeric_limits<uint16_t>::max();


std::unique_ptr<FaderItem> itemFor(const SDL_Surface* snapshot) {
    switch (snapshot != nullptr ? snapshot->format->BitsPerPixel : 0) {
    case 8:
        return std::make_unique<Flow8>();
    case 16:
        return std::make_unique<Flow16>();
    case 24:
        return std::make_unique<Flow24>();
    default:
        return nullptr;
    }
}

uint8_t* pixelsOf(SDL_Surface* surface) {
    return static_cast<uint8_t*>(surface->pixels);
}
} // namespace

FlowFader::FlowFader(SurfaceHolder* screenHolder, int32_t width, int32_t height, int32_t speed)
    : Fader(screenHolder, width, height, speed) {
    if (!createSurface()) {
        return;
    }
    takeScreenFormat();
    attachBlitter();
    keyFromColor(255, 255, 255);
    item = itemFor(surface);
}

FlowFader::~FlowFader() = default;

// Our own 16-bit surfaces keep red in the low bits, the display may keep it
// high. The flow copies raw pixels back onto the screen, so the snapshot must
// be in the screen's own layout or red and blue would swap as it falls.
void FlowFader::takeScreenFormat() {
    const SDL_Surface* shown = screenHolder != nullptr ? screenHolder->getSurface() : nullptr;
    if (shown == nullptr) {
        return;
    }
    SDL_Surface* same = SDL_ConvertSurface(surface, shown->format, surface->flags);
    dropSurface();
    surface = same;
    if (surface == nullptr) {
        error("OUT OF MEMORY, cannot create surface");
        return;
    }
    fillFormatSummary();
}

// An 8-bit blit copies indices only between equal palettes; the screen's may
// have changed since the snapshot surface was made.
void FlowFader::matchScreenPalette() {
    const SDL_Palette* shown = screenHolder->getSurface()->format->palette;
    if (shown != nullptr && surface->format->palette != nullptr) {
        SDL_SetColors(surface, shown->colors, 0, shown->ncolors);
    }
}

bool FlowFader::canFlow() const {
    const SDL_Surface* shown = screenHolder != nullptr ? screenHolder->getSurface() : nullptr;
    return item != nullptr && surface != nullptr && shown != nullptr &&
           shown->format->BytesPerPixel == surface->format->BytesPerPixel;
}

void FlowFader::start() {
    offsets.assign(size_t(std::max(width, 0)), 0);
    // With nothing to flow the transition is over at once, so a loop that
    // waits for its end is not held up.
    finished = !canFlow();
    if (!finished) {
        matchScreenPalette();
        blit(screenHolder);
    }
}

void FlowFader::step() {
    if (finished) {
        return;
    }
    finished = !canFlow() || flowOnce();
    fall();
}

bool FlowFader::flowOnce() {
    SDL_Surface* shown = screenHolder->getSurface();
    const SurfaceLock snapshotLock(surface);
    const SurfaceLock screenLock(shown);
    // A surface that will not lock just misses this frame's picture.
    if (!snapshotLock.isUsable() || !screenLock.isUsable()) {
        return false;
    }
    item->setLayout(surface->pitch, shown->pitch, std::min(width, shown->w),
                    std::min(height, shown->h));
    return item->flow(pixelsOf(surface), pixelsOf(shown), offsets.data());
}

void FlowFader::fall() {
    const int32_t least = std::max(speed >> 1, kLeastFall);
    for (uint16_t& offset : offsets) {
        const int64_t fallen = int64_t(offset) + least + int64_t(speeds() % uint32_t(least));
        offset = uint16_t(std::min(fallen, kFurthest));
    }
}
