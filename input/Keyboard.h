#pragma once

#include <cstdint>

#include "input/Focusable.h"

// Held keys and latched presses, indexed by SDL key code. The event pump
// feeds it every key press and release; troopers, menus and screens read it.
class Keyboard : public Focusable {
  public:
    static constexpr int kKeyCount = 512;

    Keyboard();
    ~Keyboard() override;
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    bool isOk() const { return ok != 0; }

    // A press sets both the held state and the latch; a release only the
    // held state. Codes outside the tables are ignored.
    void keyDown(int32_t key) override;
    void keyUp(int32_t key) override;

    bool isDown(int32_t key) const;
    bool wasPressed(int32_t key) const;
    // The scan looks at codes 0 to 255 only: arrows, function keys and
    // modifiers never count.
    bool anyPressed() const;
    void clearPressed(int32_t key);
    // Clears every latch, held keys staying held: what is pressed from now
    // on is told apart from what was pressed before.
    void forgetPresses();
    // Clears the Escape and F1 latches. Every screen calls it as it starts,
    // so that a press meant for the screen before, or made between two
    // screens, neither leaves nor pauses this one.
    void forgetScreenKeys();

    // Every press so far, of any key: a change tells a screen that somebody
    // touched the keyboard.
    uint32_t presses() const { return pressCount; }

    // True once per press of the key: clears its latch and held state.
    bool consumeEscape();
    bool consumeF1();

  private:
    static constexpr int kScanCount = 256;

    static bool inTable(int32_t key) { return key >= 0 && key < kKeyCount; }
    bool consume(int32_t key);

    uint8_t held[kKeyCount] = {};
    uint8_t pressed[kKeyCount] = {};
    uint8_t ok = 0;
    uint32_t pressCount = 0;
};
