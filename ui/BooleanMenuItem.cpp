#include "ui/BooleanMenuItem.h"

#include <utility>

#include "audio/Switchable.h"
#include "ui/Menu.h"

BooleanMenuItem::BooleanMenuItem(Menu& menu, std::string label, Switchable& target)
    : MenuItem(menu, std::move(label)), target(target) {}

void BooleanMenuItem::drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) {
    drawText(screen, font, target.isOn() != 0 ? "ON" : "OFF", x + menu.getValueColumn(), y);
    MenuItem::drawItem(screen, font, x, y);
}

void BooleanMenuItem::increase() {
    target.toggle();
}

void BooleanMenuItem::decrease() {
    target.toggle();
}
