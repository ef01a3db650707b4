#pragma once

#include <cstdint>

class Bobs;
class Buffer;

// A horizontal bar showing a value out of a maximum (health, ammunition,
// volume), built from the frames of a sprite set laid side by side.
class BarGauge {
  public:
    BarGauge(int32_t x, int32_t y, int32_t length, int32_t max);

    // The frames (not owned) the bar is built from.
    void setSprites(Bobs* set) { sprites = set; }
    // Draws every piece with one frame instead of changing along the bar.
    void setFixedFrame(int32_t frame);
    void setPosition(int32_t px, int32_t py);
    // The length a full gauge draws, in pixels.
    void setLength(int32_t pixels) { length = pixels; }

    // Draws the bar for value v on the screen.
    void draw(Buffer& screen, int32_t v) const;
    // How many pixels long the bar is for value v.
    int32_t pixels(int32_t v) const;
    // The frame of the piece that starts i pixels along the bar.
    int32_t frameAt(int32_t i) const;

  private:
    int32_t x;
    int32_t y;
    Bobs* sprites = nullptr;
    int32_t length;
    int32_t max;
    bool fixed = false;
    int32_t fixedFrame = 0;
};
