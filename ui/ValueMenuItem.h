#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/MenuItem.h"
#include "world/BarGauge.h"

class Bobs;
class Switchable;

// A menu line that steps a level from 0 to 255 (a volume), shown as a bar
// in the value column. The level belongs to the object it controls.
class ValueMenuItem : public MenuItem {
  public:
    // The bar is built from the three frames of the sprite set gaugePicture,
    // each frameWidth x frameHeight. target is not owned.
    ValueMenuItem(Menu& menu, std::string label, const char* gaugePicture, int32_t frameWidth,
                  int32_t frameHeight, Switchable& target);
    ~ValueMenuItem() override;
    ValueMenuItem(const ValueMenuItem&) = delete;
    ValueMenuItem& operator=(const ValueMenuItem&) = delete;

    void drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) override;
    void increase() override;
    void decrease() override;

  private:
    Switchable& target;
    // Null when the picture could not be read; the bar then draws nothing.
    std::unique_ptr<Bobs> sprites;
    BarGauge gauge;
};
