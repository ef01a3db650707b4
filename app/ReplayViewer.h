#pragma once

#include <cstdint>

class Buffer;
class Font;
class InputDevices;
class Pause;

// How a replay is shown while it plays: to a watcher (F1 pauses, Space
// toggles four times the speed, Escape leaves), as the menu's attract mode
// (any key or button leaves), or as the command line's proof (no keys and no
// waiting for the frame timer). Shown ones carry a "REPLAY" mark.
class ReplayViewer {
  public:
    enum Style : int32_t { kWatch, kAttract, kProof };
    static constexpr int32_t kFastFactor = 4;

    // Neither the pause nor the font is owned; a null font draws no mark. The
    // viewer's keys are read from the devices, which must outlive it.
    ReplayViewer(Style style, Pause* pause, Font* font, InputDevices& devices);

    // Reads the viewer's keys once a frame, before the frame runs; false
    // when the viewer leaves the replay.
    bool carriesOn();
    // Whether the frame about to be shown waits for the frame timer.
    bool waits() const;
    void drawMark(Buffer& screen) const;
    bool isFast() const { return fast; }

  private:
    bool watcherCarriesOn();
    bool attractCarriesOn() const;

    Style style;
    Pause* pause;
    Font* font;
    InputDevices& devices;
    bool fast = false;
    uint32_t frame = 0;
    uint32_t pressesAtStart;
};
