#pragma once

#include <cstdint>
#include <vector>

#include "app/ScheduledEvent.h"

// Counts a game's frames and runs the events that fall due: the arrival of
// aliens and of power-ups.
class EventScheduler {
  public:
    // Room for capacity events; the game needs two.
    explicit EventScheduler(int32_t capacity);

    // An event first due after interval ticks, then every interval ticks.
    // False, and nothing added, once the scheduler is full.
    bool addRepeating(int32_t interval, ScheduledEvent::Callback callback);
    // Runs every event due on this tick, in the order they were added, then
    // counts the tick.
    void tick();
    // The event's next run keeps its tick; the runs after it use the new
    // interval. An index outside the events is ignored.
    void setInterval(int32_t index, int32_t interval);

    // The event at index, or null.
    const ScheduledEvent* event(int32_t index) const;
    int32_t getCount() const { return static_cast<int32_t>(events.size()); }

  private:
    int32_t capacity;
    std::vector<ScheduledEvent> events;
    int32_t ticks = 0;
};
