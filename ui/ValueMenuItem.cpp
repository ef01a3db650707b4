#include "ui/ValueMenuItem.h"

#include <algorithm>
#include <utility>

#include "audio/Switchable.h"
#include "gfx/Bob.h"
#include "gfx/Bobs.h"
#include "gfx/Font.h"
#include "ui/Menu.h"

namespace {
constexpr int32_t kGaugeFrames = 3;
constexpr int32_t kGaugeLength = 270;
constexpr int32_t kGaugeMax = 255;
} // namespace

ValueMenuItem::ValueMenuItem(Menu& menu, std::string label, const char* gaugePicture,
                             int32_t frameWidth, int32_t frameHeight, Switchable& target)
    : MenuItem(menu, std::move(label)), target(target),
      sprites(Bobs::loadNew(gaugePicture != nullptr ? gaugePicture : "", kGaugeFrames, frameWidth,
                            frameHeight)),
      gauge(0, 0, kGaugeLength, kGaugeMax) {
    if (sprites != nullptr) {
        sprites->keyFromCorner();
    }
    gauge.setSprites(sprites.get());
}

ValueMenuItem::~ValueMenuItem() = default;

void ValueMenuItem::drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) {
    const Bob* first = sprites != nullptr ? sprites->frameAt(0) : nullptr;
    const int32_t barHeight = first != nullptr ? first->getHeight() : 0;
    const int32_t textHeight = font != nullptr ? font->lineHeight() : 0;
    // The bar's middle sits level with the middle of the text; the shifts
    // halve toward minus infinity.
    gauge.setPosition(x + menu.getValueColumn(), y - (barHeight >> 1) - (textHeight >> 1));
    // Labels wider than the menu was first laid out for push the bar right;
    // it gives up length rather than cross the menu's edge.
    gauge.setLength(std::min(kGaugeLength, menu.valueRoom(x)));
    gauge.draw(screen, target.getLevel());
    MenuItem::drawItem(screen, font, x, y);
}

void ValueMenuItem::increase() {
    target.increase();
}

void ValueMenuItem::decrease() {
    target.decrease();
}
