#include "ui/MenuItem.h"

#include <utility>

#include "gfx/Font.h"

Font* MenuItem::sharedFont = nullptr;

MenuItem::MenuItem(Menu& menu, std::string label) : menu(menu), label(std::move(label)) {}

void MenuItem::drawItem(Buffer& screen, int32_t x, int32_t y) {
    drawText(screen, label, x, y);
}

bool MenuItem::giveUpBinding(const Binding&, const Binding&) {
    return false;
}

void MenuItem::drawText(Buffer& screen, const std::string& text, int32_t x, int32_t y) {
    Font* font = sharedFont;
    if (font != nullptr) {
        font->drawString(screen, text.c_str(), x, y);
    }
}
