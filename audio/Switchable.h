#pragma once

#include <cstdint>

// An on/off flag with a level, stepped by the setup menu's items; the base of
// the volume and music switches and of the light switch.
class Switchable {
  public:
    Switchable() = default;
    Switchable(uint8_t on, int32_t level) : on(on), level(level) {}

    virtual void toggle();
    virtual void increase();
    virtual void decrease();
    virtual ~Switchable() = default;

    uint8_t isOn() const { return on; }
    int32_t getLevel() const { return level; }
    void setOn(uint8_t value) { on = value; }
    void setLevel(int32_t value) { level = value; }

  protected:
    uint8_t on = 0;
    int32_t level = 0;
};
