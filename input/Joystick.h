#pragma once

#include <SDL.h>
#include <cstdint>

#include "core/GBase.h"
#include "input/PadState.h"

class FrameClock;

// Up to two pads, read into on/off states with edges: the first pad found
// belongs to player 1 and the second to player 2. A key binding names them
// by device, 1 for the first and 2 for the second.
class Joystick : public GBase {
  public:
    static constexpr int32_t kMaxPads = 2;
    static constexpr int32_t kStateCount = PadState::kStateCount;
    static constexpr int32_t kFirstButtonState = PadState::kFirstButtonState;
    // Half of the 50 ms frame.
    static constexpr uint32_t kPollGapMs = 25;

    // Starts SDL's joystick support itself when nobody has yet, since the
    // input devices are made before SDL is started, and opens the first two
    // pads.
    Joystick();
    ~Joystick() override;
    Joystick(const Joystick&) = delete;
    Joystick& operator=(const Joystick&) = delete;

    // Closes the pads and starts SDL's joystick support afresh, the only way
    // SDL 1.2 learns of pads plugged in since, then opens the first two.
    // Buttons held across it are no new presses. The main menu calls it, so
    // that pads are never renumbered during a game.
    void reopen();

    int32_t padCount() const;

    // Where pollIfDue() reads the time; SDL's clock until one is given. The
    // clock must outlive the joystick.
    void useClock(FrameClock* frameClock) { clock = frameClock; }
    // Reads the live sticks, d-pads and buttons; nothing without a pad.
    void poll();
    // Polls unless the last poll is less than half a frame old. Some screens
    // pump events twice in one frame; a second reading so soon would turn
    // every new press into "still held" before the screen looks at it.
    // True when it polled (or would have, without a pad).
    bool pollIfDue(uint32_t nowMs);
    bool pollIfDue();

    // Pad 0 or 1; the other index bits are ignored. Tests record into it.
    PadState& pad(int32_t index) { return pads[index & 1]; }
    const PadState& pad(int32_t index) const { return pads[index & 1]; }
    // The pad a binding's device names, or null for a device that is no pad.
    const PadState* forDevice(int32_t device) const;
    // A button of either pad is held, or went down at the last poll.
    bool anyButtonOn() const;
    bool anyButtonPressedNow() const;

    // Whether the pads' new presses steer the screens as arrows, Return and
    // Escape. A game in play turns it off: there they steer troopers.
    bool steersScreens() const { return steering; }
    void setSteersScreens(bool on) { steering = on; }

  private:
    void open();
    void close();

    SDL_Joystick* devices[kMaxPads] = {};
    PadState pads[kMaxPads];
    FrameClock* clock = nullptr;
    bool ownsSubsystem = false;
    bool everPolled = false;
    bool steering = true;
    uint32_t lastPollMs = 0;
};
