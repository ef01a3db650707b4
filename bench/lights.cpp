// Times the light of one heavy frame on the 640x480 16-bit display: two
// troopers firing flame throwers, eight power-ups, four grenade glows and two
// hurt rings, then the same number of requests all as the largest round
// light. Prints p50, p99 and the worst frame in microseconds, by the wall
// clock and by the CPU time the process spent, which stays honest on a busy
// machine; the screen is cleared between frames and the clearing is not timed.
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

#include "bench/Measure.h"
#include "gfx/Buffer.h"
#include "gfx/Detector.h"
#include "gfx/Light.h"

namespace {

constexpr int kHeavyFrames = 3000;
// Each of these is a hundred times the work, so fewer are timed.
constexpr int kLargestFrames = 200;
constexpr int kCols = 320;
constexpr int kRows = 240;

// A fixed walk over the screen, so every run draws the same frames.
struct Spots {
    uint32_t state = 12345;
    int next(int range) {
        state = state * 1103515245u + 12345u;
        return int((state >> 8) % uint32_t(range));
    }
};

// The requests one heavy frame makes, in light cells; frame turns the cones.
int heavyFrame(Light& light, int frame) {
    Spots at;
    int requests = 0;
    for (int t = 0; t < 2; ++t) {
        const int x = 80 + 160 * t, y = 100 + 40 * t, dir = (frame + 16 * t) & 31;
        light.coneLight(x, y, 64, dir, 8, 155, 155, 155);
        light.coneLight(x, y, 12, dir, 4 + frame % 4, 200, 100, 0);
        requests += 2;
        for (int flame = 0; flame < 12; ++flame) {
            const int age = 1 + (flame + frame) % 7;
            for (int e = 0; e < age; ++e, ++requests) {
                light.spark(x + 3 * flame + at.next(6), y + 2 * flame + at.next(6), 255, 20 * age,
                            0);
            }
        }
        for (int s = 0; s < 6; ++s, ++requests) {
            light.spark(x + at.next(20) - 10, y + at.next(20) - 10, 255, 255, 255);
        }
    }
    for (int p = 0; p < 8; ++p, ++requests) {
        const int x = at.next(kCols), y = at.next(kRows);
        if (p % 2 == 0) {
            light.coneLight(x, y, 32, (frame + p) & 31, 8, 100, 200, 200);
        } else {
            light.roundLight(x, y, 1 + (frame + 4 * p) % 32, 100, 100, 255);
        }
    }
    light.roundLight(at.next(kCols), at.next(kRows), 64, 255, 255, 100);
    for (int g = 0; g < 4; ++g) {
        light.roundLight(at.next(kCols), at.next(kRows), 40 - 5 * ((frame + g) % 8), 255, 150, 0);
    }
    for (int h = 0; h < 2; ++h) {
        const int hurt = 1 + (frame + 5 * h) % 10;
        light.ringLight(at.next(kCols), at.next(kRows), (15 * (11 - hurt)) / 2, (3 * hurt) / 2, 200,
                        50, 50);
    }
    return requests + 1 + 4 + 2;
}

// As many requests as a heavy frame, every one the largest round light.
void largestFrame(Light& light, int requests) {
    Spots at;
    for (int i = 0; i < requests; ++i) {
        light.roundLight(at.next(kCols), at.next(kRows), 127, 60, 60, 60);
    }
}

void report(const char* name, const std::vector<double>& micros) {
    const Quantiles q = Quantiles::of(micros);
    std::printf("%-6s p50 %8.1f us  p99 %8.1f us  max %8.1f us  (%zu frames)\n", name, q.p50,
                q.p99, q.max, micros.size());
}

void timeFrames(const char* name, Buffer& display, int frames,
                const std::function<void(int)>& frame) {
    std::vector<double> wall, cpu;
    for (int f = 0; f < frames; ++f) {
        SDL_FillRect(display.getSurface(), nullptr, 0);
        const std::clock_t cpuStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        frame(f);
        const auto end = std::chrono::steady_clock::now();
        wall.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        cpu.push_back(1e6 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    std::printf("%s\n", name);
    report("  wall", wall);
    report("  cpu", cpu);
}

} // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    {
        Buffer screen(640, 480, 16, kWindowModeWindow);
        if (!screen.isReady()) {
            std::fprintf(stderr, "no 16-bit display: %s\n", SDL_GetError());
            return 1;
        }
        Light light(&screen, Light::kGameSize);
        int requests = 0;
        timeFrames("heavy frame", screen, kHeavyFrames,
                   [&](int f) { requests = heavyFrame(light, f); });
        std::printf("  %d requests a frame\n", requests);
        timeFrames("all round, radius 127", screen, kLargestFrames,
                   [&](int) { largestFrame(light, requests); });
    }
    SDL_Quit();
    return 0;
}
