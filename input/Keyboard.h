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
    // The scans look at codes 0 to 255 only: arrows, function keys and
    // modifiers never count.
    bool anyDown() const;
    int32_t lastDown() const;
    bool wasPressed(int32_t key) const;
    bool anyPressed() const;
    void setPressed(int32_t key);
    void clearPressed(int32_t key);

    // True once per press of the key: clears its latch and held state.
    bool consumeEscape();
    bool consumeF1();

    // Reads SDL's live key-state table from now on instead of our own.
    void attachPlatformState();
    // Reads our own table again, starting from what the attached table holds,
    // so that keys let go while it was attached are not left held.
    void attachOwnState();

  private:
    static constexpr int kScanCount = 256;

    bool heldIndex(int32_t key) const { return key >= 0 && key < heldCount; }
    static bool pressedIndex(int32_t key) { return key >= 0 && key < kKeyCount; }
    bool consume(int32_t key);

    uint8_t* held;
    // SDL's table is shorter than ours, so every access is bounded by this.
    int32_t heldCount = kKeyCount;
    uint8_t pressed[kKeyCount] = {};
    uint8_t* ownHeld;
    uint8_t ok = 0;
};
