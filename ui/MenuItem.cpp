#include "ui/MenuItem.h"

#include <utility>

#include "gfx/Font.h"

Font* MenuItem::sharedFont = nullptr;

MenuItem::MenuItem(Menu& menu, std::string label) : menu(menu), label(std::move(label)) {}

void MenuItem::drawItem(int32_t x, int32_t y) {
    drawText(label, x, y);
}

bool MenuItem::giveUpBinding(const Binding&, const Binding&) {
    return false;
}

void MenuItem::drawText(const std::string& text, int32_t x, int32_t y) {
    Font* font = sharedFont;
    if (font != nullptr) {
        font->drawString(text.c_str(), x, y);
    }
}
