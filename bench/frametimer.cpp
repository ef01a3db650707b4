// Measures what a screen loop waiting on the 50 ms frame timer costs: it polls
// tick() for one second, as the game's loops do, and reports the ticks seen,
// their lengths and the CPU time used. The loop must stay well under 10% of
// one core.
#include <SDL.h>
#include <cstdio>
#include <sys/resource.h>

#include "gfx/FrameTimer.h"

namespace {

constexpr uint32_t kFrameMs = 50;
constexpr uint32_t kRunMs = 1000;
constexpr double kCpuLimitPercent = 10.0;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main() {
    if (SDL_Init(SDL_INIT_TIMER) < 0) {
        std::fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    FrameTimer timer(kFrameMs);
    const double cpuBefore = cpuSeconds();
    const uint32_t start = SDL_GetTicks();
    int ticks = 0;
    long polls = 0;
    uint32_t shortest = ~0u;
    uint32_t longest = 0;
    while (SDL_GetTicks() - start < kRunMs) {
        ++polls;
        if (timer.tick()) {
            ++ticks;
            shortest = timer.lastInterval() < shortest ? timer.lastInterval() : shortest;
            longest = timer.lastInterval() > longest ? timer.lastInterval() : longest;
        }
    }
    const double wall = double(SDL_GetTicks() - start) / 1000.0;
    const double percent = 100.0 * (cpuSeconds() - cpuBefore) / wall;
    std::printf("ticks %d in %.3f s (%ld polls), interval %u..%u ms, CPU %.2f%% of a core\n", ticks,
                wall, polls, shortest, longest, percent);
    SDL_Quit();
    const bool ok = percent < kCpuLimitPercent && shortest > kFrameMs;
    std::printf("%s\n", ok ? "OK" : "TOO COSTLY OR TOO EARLY");
    return ok ? 0 : 1;
}
