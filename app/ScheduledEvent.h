#pragma once

#include <cstdint>
#include <functional>

// One event of a game's scheduler: a callback that runs on a given tick and,
// when it repeats, again every interval ticks.
struct ScheduledEvent {
    using Callback = std::function<void()>;

    int32_t due;
    Callback callback;
    bool repeat;
    int32_t interval;
};
