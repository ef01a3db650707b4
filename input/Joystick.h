#pragma once

#include <SDL.h>
#include <cstdint>

#include "core/GBase.h"

// The first joystick's two axes and first four buttons as on/off states,
// with the states of the poll before for edge detection.
// States: 0 left, 1 right, 2 up, 3 down, 4 to 7 buttons 0 to 3; 8 to 35 are
// never set but take part in the scans.
class Joystick : public GBase {
  public:
    static constexpr int kStateCount = 36;
    static constexpr int kFirstButtonState = 4;
    // Half of the 50 ms frame.
    static constexpr uint32_t kPollGapMs = 25;

    // Starts SDL's joystick support itself when nobody has yet, since the
    // input devices are made before SDL is started, and opens joystick 0.
    Joystick();
    ~Joystick() override;
    Joystick(const Joystick&) = delete;
    Joystick& operator=(const Joystick&) = delete;

    bool isOpened() const { return opened != 0; }

    // Reads the live axes and buttons; nothing without an open joystick.
    void poll();
    // Polls unless the last poll is less than half a frame old. Some screens
    // pump events twice in one frame; a second reading so soon would turn
    // every new press into "still held" before the screen looks at it.
    // True when it polled (or would have, without a joystick).
    bool pollIfDue(uint32_t nowMs);
    // Takes one reading: the two axis values and the state of each button.
    void record(int32_t axisX, int32_t axisY, int32_t buttonCount, const uint8_t* buttons);

    bool isOn(int32_t i) const;
    bool pressedNow(int32_t i) const;
    bool anyOn() const;
    bool anyButtonOn() const;
    bool anyPressedNow() const;
    bool anyButtonPressedNow() const;
    int32_t lastOn() const;

  private:
    static constexpr int kStickLeft = 0;
    static constexpr int kStickRight = 1;
    static constexpr int kStickUp = 2;
    static constexpr int kStickDown = 3;
    static constexpr int kButtonsRead = 4;

    static bool valid(int32_t i) { return i >= 0 && i < kStateCount; }

    SDL_Joystick* device = nullptr;
    uint8_t state[kStateCount] = {};
    uint8_t previous[kStateCount] = {};
    int32_t xHigh = 0, yHigh = 0, xLow = 0, yLow = 0;
    uint8_t opened = 0;
    bool ownsSubsystem = false;
    bool everPolled = false;
    uint32_t lastPollMs = 0;
};
