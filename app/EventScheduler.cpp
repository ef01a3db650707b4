#include "app/EventScheduler.h"

#include <cstddef>

EventScheduler::EventScheduler(int32_t capacity) : capacity(capacity > 0 ? capacity : 0) {
    events.reserve(static_cast<std::size_t>(this->capacity));
}

bool EventScheduler::addRepeating(int32_t interval, ScheduledEvent::Callback callback) {
    if (getCount() >= capacity) {
        return false;
    }
    events.push_back(ScheduledEvent{interval, callback, true, interval});
    return true;
}

void EventScheduler::tick() {
    for (ScheduledEvent& event : events) {
        // Equality, not "at or past": a due tick already gone never comes.
        if (event.due != ticks) {
            continue;
        }
        if (event.callback != nullptr) {
            event.callback();
        }
        if (event.repeat) {
            event.due += event.interval;
        }
    }
    ++ticks;
}

void EventScheduler::setInterval(int32_t index, int32_t interval) {
    if (index >= 0 && index < getCount()) {
        events[static_cast<std::size_t>(index)].interval = interval;
    }
}

const ScheduledEvent* EventScheduler::event(int32_t index) const {
    return index >= 0 && index < getCount() ? &events[static_cast<std::size_t>(index)] : nullptr;
}
