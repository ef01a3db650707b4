#pragma once

#include <cstdint>
#include <string>

#include "input/Focusable.h"

class Buffer;
class Font;
class Sound;

// A one-line text field that takes letters and spaces through the input
// focus until Return; the high-score table uses it for the player's name.
class Input : public Focusable {
  public:
    // The text holds maxLength characters, the last of which only ever
    // shows the cursor, so at most maxLength - 1 can be typed.
    // Every press plays the click, when there is one (none without audio).
    explicit Input(int32_t maxLength, Sound* click = nullptr);

    // Every press plays the typing sound, even after Return; only letters, space, Return,
    // Backspace and Shift change anything, and only before Return.
    void keyDown(int32_t key) override;
    void keyUp(int32_t key) override;

    // Writes the blinking cursor into the text at the cursor position and
    // flips the blink phase, as each drawn frame does. After Return the
    // cursor is gone for good, so the finished text stays clean.
    void blinkCursor();
    // One frame of the field: blinks the cursor, then draws the whole text
    // with y as its bottom line, the character under the cursor included.
    void draw(Buffer& screen, int32_t x, int32_t y, Font* font);

    bool isDone() const { return done != 0; }
    int32_t getPosition() const { return position; }
    // Always maxLength characters: what was typed, padded with spaces.
    const std::string& getText() const { return text; }

  private:
    static constexpr char kCursor = '*';
    static constexpr int32_t kShiftToUpper = 'a' - 'A';

    void playClick();
    void type(char c);

    Sound* click;
    int32_t maxLength;
    int32_t position = 0;
    uint8_t done = 0;
    uint8_t blink = 1;
    uint8_t shift = 0;
    std::string text;
};
