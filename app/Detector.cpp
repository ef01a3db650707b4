#include "app/Detector.h"

#include "app/Globals.h"

namespace {
constexpr Uint32 kProbeFlags = SDL_FULLSCREEN | SDL_HWSURFACE;
constexpr int kModeWidth = 640;
constexpr int kModeHeight = 480;
} // namespace

uint8_t Detector::has8Bit = 0;
uint8_t Detector::has16Bit = 0;
uint8_t Detector::has24Bit = 0;

Detector::Detector() {
    has8Bit = has16Bit = has24Bit = 0;
}

bool Detector::probe(int32_t width, int32_t height) {
    if (SDL_VideoModeOK(width, height, 8, kProbeFlags) == 8) {
        has8Bit = 1;
    }
    if (SDL_VideoModeOK(width, height, 16, kProbeFlags) == 16) {
        has16Bit = 1;
    }
    // Any display can show a 24-bit picture through SDL's conversion.
    has24Bit = 1;
    return true;
}

int32_t Detector::chooseWindowMode() {
    return chooseWindowMode(SDL_ListModes(nullptr, kProbeFlags));
}

int32_t Detector::chooseWindowMode(SDL_Rect** modes) {
    if (modes == nullptr) {
        return kWindowModeUnset;
    }
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        return kWindowModeFullScreen;
    }
    for (int i = 0; modes[i] != nullptr; ++i) {
        if (modes[i]->w == kModeWidth && modes[i]->h == kModeHeight) {
            return kWindowModeFullScreen;
        }
    }
    return kWindowModeWindow;
}
