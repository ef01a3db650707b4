// One libFuzzer target: the entry named by KRAVEX_FUZZ_TARGET, run with the
// dummy display open at the depth in KRAVEX_FUZZ_DEPTH (16 unless set).
#include <SDL.h>
#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzEntries.h"
#include "gfx/Buffer.h"
#include "gfx/Detector.h"

namespace {

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;
constexpr int32_t kDefaultDepth = 16;

const FuzzEntry* entry = nullptr;
// Open for the whole run: libFuzzer calls the target without a context.
Buffer* display = nullptr;

int32_t chosenDepth() {
    const char* depth = std::getenv("KRAVEX_FUZZ_DEPTH");
    return depth != nullptr ? int32_t(std::atoi(depth)) : kDefaultDepth;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    entry = findFuzzEntry(KRAVEX_FUZZ_TARGET);
    if (entry == nullptr || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Cannot start the fuzz target %s: %s\n", KRAVEX_FUZZ_TARGET,
                     SDL_GetError());
        std::exit(1);
    }
    display = new Buffer(kScreenWidth, kScreenHeight, chosenDepth(), kWindowModeWindow);
    if (!display->isReady()) {
        std::fprintf(stderr, "No dummy display: %s\n", SDL_GetError());
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    entry->run(*display, data, size);
    return 0;
}
