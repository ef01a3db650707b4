#pragma once

#include <cstdint>

// One pad's stick or d-pad and first four buttons as on/off states, with
// the states of the reading before for edge detection.
// States: 0 left, 1 right, 2 up, 3 down, 4 to 7 buttons 0 to 3; 8 to 35 are
// never set but take part in the scans.
class PadState {
  public:
    static constexpr int32_t kStateCount = 36;
    static constexpr int32_t kStickLeft = 0;
    static constexpr int32_t kStickRight = 1;
    static constexpr int32_t kStickUp = 2;
    static constexpr int32_t kStickDown = 3;
    static constexpr int32_t kFirstButtonState = 4;
    static constexpr int32_t kButtonsRead = 4;

    // Takes one reading: the two axis values, the state of each button and
    // the d-pad (SDL's hat bits), which counts as the stick pushed that way.
    void record(int32_t axisX, int32_t axisY, int32_t buttonCount, const uint8_t* buttons,
                uint8_t hat = 0);

    bool isOn(int32_t i) const;
    bool pressedNow(int32_t i) const;
    bool anyButtonOn() const;
    bool anyButtonPressedNow() const;
    int32_t lastOn() const;

  private:
    static bool valid(int32_t i) { return i >= 0 && i < kStateCount; }

    uint8_t state[kStateCount] = {};
    uint8_t previous[kStateCount] = {};
};
