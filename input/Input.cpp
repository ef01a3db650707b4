#include "input/Input.h"

#include <SDL.h>
#include <algorithm>

#include "audio/Sound.h"
#include "gfx/Font.h"

Input::Input(int32_t maxLength, Sound* click)
    : click(click), maxLength(std::max<int32_t>(maxLength, 1)), text(size_t(this->maxLength), ' ') {}

void Input::playClick() {
    if (click != nullptr) {
        click->play();
    }
}

void Input::type(char c) {
    if (position < maxLength - 1) {
        text[position] = c;
        ++position;
    }
}

void Input::keyDown(int32_t key) {
    playClick();
    if (done) {
        return;
    }
    if (key >= SDLK_a && key <= SDLK_z) {
        type(static_cast<char>(shift ? key - kShiftToUpper : key));
    } else if (key == SDLK_SPACE) {
        type(' ');
    } else if (key == SDLK_RETURN) {
        text[position] = ' ';
        blink = 0;
        done = 1;
    } else if (key == SDLK_BACKSPACE) {
        if (position > 0) {
            text[position] = ' ';
            --position;
            text[position] = ' ';
        }
    } else if (key == SDLK_RSHIFT || key == SDLK_LSHIFT) {
        shift = 1;
    }
}

void Input::keyUp(int32_t key) {
    if (!done && (key == SDLK_RSHIFT || key == SDLK_LSHIFT)) {
        shift = 0;
    }
}

void Input::blinkCursor() {
    if (done) {
        return;
    }
    text[position] = blink ? kCursor : ' ';
    blink = !blink;
}

void Input::draw(Buffer& screen, int32_t x, int32_t y, Font* font) {
    blinkCursor();
    if (font != nullptr) {
        font->drawString(screen, text.c_str(), x, y);
    }
}
