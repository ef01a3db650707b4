#pragma once

#include <string>

#include "ui/MenuItem.h"

class Switchable;

// A menu line that switches something on and off, showing "ON" or "OFF".
// The switch belongs to the object it controls (the light, the music).
class BooleanMenuItem : public MenuItem {
  public:
    // target is not owned and must outlive the item.
    BooleanMenuItem(Menu& menu, std::string label, Switchable& target);

    void drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) override;
    // Right and Left both flip the switch: there are only two places to go.
    void increase() override;
    void decrease() override;

  private:
    Switchable& target;
};
