#include "gfx/Detector.h"

#include <cstdlib>
#include <string>

namespace {
constexpr Uint32 kProbeFlags = SDL_FULLSCREEN | SDL_HWSURFACE;
constexpr int kModeWidth = 640;
constexpr int kModeHeight = 480;
// The share of the desktop a scaled window may take, in tenths.
constexpr int32_t kUsableTenths = 9;
constexpr int32_t kTenths = 10;
// The SDL 1.2 library over SDL 2 reads these from the environment when the
// display is opened; what the player exported wins over our defaults.
const char* const kWindowScalingHint = "SDL12COMPAT_WINDOW_SCALING";
const char* const kScaleMethodHint = "SDL12COMPAT_SCALE_METHOD";
const char* const kSharpScaling = "nearest";
// setenv's "overwrite" argument: a value already set is left alone.
constexpr int kKeepSetValue = 0;
} // namespace

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

int32_t Detector::windowScale(int32_t width, int32_t height, int32_t desktopWidth,
                              int32_t desktopHeight) {
    if (width <= 0 || height <= 0) {
        return 1;
    }
    const int64_t across = int64_t(desktopWidth) * kUsableTenths / (int64_t(width) * kTenths);
    const int64_t down = int64_t(desktopHeight) * kUsableTenths / (int64_t(height) * kTenths);
    const int64_t scale = across < down ? across : down;
    return scale < 1 ? 1 : int32_t(scale);
}

void Detector::defaultScaling(int32_t width, int32_t height) {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    const int32_t scale =
        info == nullptr ? 1 : windowScale(width, height, info->current_w, info->current_h);
    if (scale > 1) {
        setenv(kWindowScalingHint, std::to_string(scale).c_str(), kKeepSetValue);
    }
    setenv(kScaleMethodHint, kSharpScaling, kKeepSetValue);
}
