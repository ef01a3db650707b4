#pragma once

#include <cstdint>
#include <string>

#include "store/Binding.h"
#include "world/Linkable.h"

class Buffer;
class Font;
class Menu;

// One line of a Menu: a label, and whatever value or action the kind of item
// adds. The menu owns its items and calls every operation below itself; of
// Linkable's operations it calls only keyDown(key), on the current item, with
// every key pressed while that item captures keys.
class MenuItem : public Linkable {
  public:
    MenuItem(Menu& menu, std::string label);

    // Called by the menu's draw() once a frame for every item, with the text
    // in the menu's font (null: none) starting at x and y as its bottom line.
    // Base: the label.
    virtual void drawItem(Buffer& screen, Font* font, int32_t x, int32_t y);
    // Called by the menu on the current item for Return and Right (which a
    // pad's first button and stick right also send). Base: nothing.
    virtual void increase() {}
    // Called by the menu on the current item for Left. Base: nothing.
    virtual void decrease() {}
    // Called by the menu on every other item when a key item has captured
    // `taken`: an item bound to it takes `given` instead, so one key never
    // drives two actions. True when it did. Base: nothing to give up.
    virtual bool giveUpBinding(const Binding& taken, const Binding& given);
    // Called by the menu on the current item, while it captures, with a
    // pad's new press as a binding. True when the item took it. Base: no.
    virtual bool capturePad(const Binding&) { return false; }
    // Called by the menu as the item is added: how much the item draws just
    // left of its value, which the label must stay clear of. Base: nothing.
    virtual int32_t roomBeforeValue() const { return 0; }

    const std::string& getLabel() const { return label; }

  protected:
    // Text in the menu's font; nothing when it has none.
    static void drawText(Buffer& screen, Font* font, const std::string& text, int32_t x,
                         int32_t y);

    Menu& menu;

  private:
    std::string label;
};
