#pragma once

#include <cstdint>
#include <memory>

#include "core/GBase.h"

class Buffer;
class Font;
class FrameClock;
class FrameTimer;
class Image;
class InputDevices;
class Sound;
struct AudioSettings;

// The title picture shown once at start: about three and a half seconds,
// or until Escape.
class Title : public GBase {
  public:
    // Loads the picture, at the screen's size, and the start sound, heard at
    // the effects volume of audio; the screen and the font are not owned, and
    // the clock paces the title's own frame timer.
    Title(Buffer& screen, Font* font, FrameClock& clock, const AudioSettings& audio);
    ~Title() override;

    // Shows the title until its time is up or Escape is pressed, reading the
    // devices' events meanwhile.
    void run(InputDevices& devices);

    int32_t getTicks() const { return ticks; }

    // 50 ms ticks the title stays up.
    static constexpr int32_t kTicks = 70;

  private:
    Image* picture;
    Sound* startSound;
    int32_t ticks = 0;
    std::unique_ptr<FrameTimer> timer;
    Font* font;
    FrameClock& clock;
    Buffer& screen;
};
