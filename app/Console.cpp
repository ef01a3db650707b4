#include "app/Console.h"

#include <algorithm>

#include "gfx/Buffer.h"
#include "gfx/Font.h"
#include "gfx/Image.h"

namespace {

constexpr int32_t kLineGap = 4;
constexpr int32_t kTextLeft = 10;
constexpr int32_t kFirstAlpha = 64;
constexpr int32_t kAlphaStep = 6;
constexpr int32_t kMaxAlpha = 255;

std::string cut(std::string text) {
    if (text.size() > Console::kMaxLineLength) {
        text.resize(Console::kMaxLineLength);
    }
    return text;
}

} // namespace

Console::Console(Buffer* screen, int32_t width, int32_t height, const char* picture, Font* font)
    // At least one row, so that a very tall font still has somewhere to write.
    : rows(std::max(height / (font->lineHeight() + kLineGap), 1)), screen(screen), font(font),
      background(new Image(picture, width, height)) {
    lines.reserve(size_t(rows));
    attach(this);
}

Console::~Console() {
    detach(this);
    delete background;
}

uint8_t Console::rowAlpha(int32_t i) {
    // Past row 32 the ramp would wrap round to nearly invisible values.
    return uint8_t(std::min(kFirstAlpha + kAlphaStep * i, kMaxAlpha));
}

int32_t Console::rowBaseLine(int32_t i) const {
    return (i + 1) * (font->lineHeight() + kLineGap);
}

void Console::addLine(const char* text) {
    if (int32_t(lines.size()) >= rows) {
        lines.erase(lines.begin());
    }
    lines.push_back(cut(text == nullptr ? "" : text));
    if (visible) {
        redraw();
    }
}

void Console::appendToLast(const char* text) {
    if (lines.empty()) {
        addLine(text);
        return;
    }
    lines.back() = cut(lines.back() + (text == nullptr ? "" : text));
    if (visible) {
        redraw();
    }
}

void Console::setVisible(bool flag) {
    if (screen != nullptr) {
        screen->attachBlitter();
    }
    visible = flag;
}

void Console::redraw() {
    if (screen == nullptr) {
        return;
    }
    background->draw(*screen);
    for (int32_t i = 0; i < int32_t(lines.size()); ++i) {
        font->drawStringAlpha(*screen, lines[size_t(i)].c_str(), kTextLeft, rowBaseLine(i),
                              rowAlpha(i));
    }
    screen->flip();
}
