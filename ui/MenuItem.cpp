#include "ui/MenuItem.h"

#include <utility>

#include "gfx/Font.h"

MenuItem::MenuItem(Menu& menu, std::string label) : menu(menu), label(std::move(label)) {}

void MenuItem::drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) {
    drawText(screen, font, label, x, y);
}

bool MenuItem::giveUpBinding(const Binding&, const Binding&) {
    return false;
}

void MenuItem::drawText(Buffer& screen, Font* font, const std::string& text, int32_t x,
                        int32_t y) {
    if (font != nullptr) {
        font->drawString(screen, text.c_str(), x, y);
    }
}
