#pragma once

#include <cstdint>

#include "core/GBase.h"
#include "gfx/FrameClock.h"

class Buffer;
class Font;
class FrameTimer;
class InputDevices;
class Keyboard;
class SurfaceHolder;

// The pause screen F1 opens during a game: the frozen game picture with
// "Game Paused" and a teasing remark floating over it. Made once per run, so
// the animation and the remarks carry on from one pause to the next.
class Pause : public GBase {
  public:
    static constexpr int kRemarkCount = 8;
    // The remarks in the order they are shown, each for 256 frames.
    static const char* const kRemarks[kRemarkCount];

    // Where the text stands in one frame; y is its base line.
    struct TextSpot {
        int32_t x;
        int32_t y;
    };

    // Keeps a copy of the screen's size to freeze the game picture in; draws
    // with the font and shows remarks[i] for i from 0 to 7. Uses SDL's clock.
    Pause(Buffer* screen, Font* font, const char* const* remarks);
    // The same, pacing frames and measuring the pause with the given clock,
    // which must outlive the pause.
    Pause(Buffer* screen, Font* font, const char* const* remarks, FrameClock& clock);
    ~Pause() override;
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

    // Shows the pause until a key below code 256 or a button of either pad is
    // pressed after it began, or the program is asked to quit. Returns the
    // milliseconds it lasted, by the pause's clock, for the caller to leave
    // out of the play time. The Escape and F1 presses made during the pause
    // are forgotten. The devices' events are read meanwhile.
    uint32_t run(InputDevices& devices);

    // The looping path of the text: x from 31 to 129, y from 171 to 230.
    static TextSpot textSpot(int8_t phase);

  private:
    static bool resumeRequested(const InputDevices& devices);
    void showFrame(FrameTimer& timer);
    void advance();
    void leave(Keyboard& keyboard);

    SurfaceHolder* snapshot;
    Buffer* screen;
    Font* font;
    int8_t phase = -1;
    uint8_t remarkCounter = 255;
    const char* const* remarks;
    FrameClock sdlClock;
    FrameClock* clock;
};
