#pragma once

#include <cstdint>
#include <functional>

#include "store/Binding.h"
#include "ui/MenuItem.h"
#include "world/LinkedList.h"

class Bob;
class Font;
class InputDevices;
class Light;
class Sounds;

// What choosing an action item hands to the screen that runs the menu.
using MenuAction = std::function<void()>;
// Where the screen running the menu runs a chosen action: after leaving its
// loop, or inside the loop, which then goes on.
enum class ActionPlace { kAfterScreen, kWithinScreen };

// A vertical list of items with a sprite cursor, driven by the arrow keys,
// Return and Escape (or a pad sending them) while it holds the input focus. Action items do not run
// their action: the screen takes it out after its loop and runs it.
class Menu : public LinkedList {
  public:
    // The shared menu sounds, by index.
    static constexpr int32_t kSoundMove = 0;
    static constexpr int32_t kSoundChange = 1;
    static constexpr int32_t kSoundLeave = 2;

    // x is the left edge, y the bottom line of the first item; an item's
    // value is drawn valueColumn pixels right of its text, or further right
    // where a label added while the menus have a font would reach it. The cursor is not
    // owned, nor are the items' font and the menu sounds; either may be null,
    // and then no text is drawn or no sound played. Escape is read from the
    // devices' keyboard; they must outlive the menu.
    Menu(int32_t x, int32_t y, int32_t valueColumn, int32_t spacing, Bob* cursor, Font* font,
         Sounds* sounds, InputDevices& devices);

    // Takes ownership of the item and puts it last, moving the value column
    // right if the item's label needs it. Items go in only through here:
    // the menu treats everything it holds as a MenuItem.
    void add(MenuItem* item);

    // Called by the event pump while the menu has the focus.
    void keyDown(int32_t key) override;
    // Takes a pad's press only while a key item captures: it is the binding.
    bool padPressed(int32_t device, int32_t state) override;
    // Reads Escape, then draws every item and the cursor.
    void draw(Buffer& screen);
    // Adds the pulsing glow under the cursor; called once a frame before draw().
    void drawGlow(Light& light);

    bool hasPendingAction() const { return static_cast<bool>(pendingAction); }
    // Whether the action waiting is one the screen runs inside its loop.
    bool pendingRunsWithin() const {
        return hasPendingAction() && pendingPlace == ActionPlace::kWithinScreen;
    }
    // Forgets the chosen action without running it.
    void clearPendingAction() { pendingAction = nullptr; }
    // Runs the action an item chose, once.
    void runPendingAction();
    bool isEscaped() const { return escaped != 0; }
    void clearEscaped() { escaped = 0; }
    // 1-based index of the selected item.
    int32_t getCurrent() const { return current; }

    // For the items.
    void setPendingAction(const MenuAction& action,
                          ActionPlace place = ActionPlace::kAfterScreen) {
        pendingAction = action;
        pendingPlace = place;
    }
    bool isCapturing() const { return capturing != 0; }
    void setCapturing(bool on) { capturing = on ? 1 : 0; }
    // Moves the cursor down as Down does and lets the next item capture.
    void captureNext();
    // Every other item bound to `taken` takes `given` instead.
    void handOverBinding(const MenuItem& taker, const Binding& taken, const Binding& given);
    int32_t getValueColumn() const { return valueColumn; }
    // Where the menu's box ends on the right; values stay inside it.
    void setRightEdge(int32_t edge) { rightEdge = edge; }
    // How wide a value may be drawn for an item whose text starts at x:
    // up to the right edge, or without limit in a menu that has none.
    int32_t valueRoom(int32_t x) const {
        return rightEdge > 0 ? rightEdge - x - valueColumn : INT32_MAX;
    }
    Bob* getCursor() const { return cursor; }
    // A key item reads the keys queued as it starts to capture.
    InputDevices& getDevices() const { return devices; }

  private:
    void playSound(int32_t index);
    MenuItem* currentItem() const;
    // The item at a 1-based index, or null.
    MenuItem* itemAt(int32_t index) const;
    void moveDown();
    void moveUp();
    void readEscape();
    int32_t linePitch() const;
    int32_t cursorWidth() const;
    int32_t cursorHeight() const;
    // Radius of the glow at the current phase, in screen pixels.
    int32_t glowRadius() const;

    int32_t current = 1;
    int32_t x;
    int32_t y;
    int32_t valueColumn;
    int32_t spacing;
    uint8_t capturing = 0;
    MenuAction pendingAction;
    ActionPlace pendingPlace = ActionPlace::kAfterScreen;
    Bob* cursor;
    Font* font;
    Sounds* sounds;
    InputDevices& devices;
    int32_t glowPhase = 0;
    uint8_t escaped = 0;
    int32_t rightEdge = 0;
};
