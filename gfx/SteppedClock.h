#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "gfx/FrameClock.h"

// A clock whose time passes only when a frame timer sleeps on it, so loops
// run without waiting; the tests and the autoplay tool give it to the game.
// Steps scheduled at a moment run once time has reached it, in order.
class SteppedClock : public FrameClock {
  public:
    using Step = std::function<void()>;

    SteppedClock() = default;
    explicit SteppedClock(uint32_t start) : time(start) {}

    uint32_t now() override { return time; }
    void sleep(uint32_t ms) override {
        time += ms;
        while (!steps.empty() && steps.begin()->first <= time) {
            const Step step = steps.begin()->second;
            steps.erase(steps.begin());
            step();
        }
    }
    void at(uint32_t when, Step step) { steps.emplace(when, std::move(step)); }
    void clearSteps() { steps.clear(); }

  private:
    uint32_t time = 0;
    std::multimap<uint32_t, Step> steps;
};
