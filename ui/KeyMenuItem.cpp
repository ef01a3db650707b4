#include "ui/KeyMenuItem.h"

#include <SDL.h>
#include <utility>

#include "gfx/Bob.h"
#include "input/BindingName.h"
#include "input/InputDevices.h"
#include "ui/Menu.h"

KeyMenuItem::KeyMenuItem(Menu& menu, std::string label, std::string fileName, Binding& binding,
                         bool advance)
    : MenuItem(menu, std::move(label)), binding(binding), keyName(shownNameOf(binding)),
      fileName(std::move(fileName)), advance(advance) {}

void KeyMenuItem::drawItem(Buffer& screen, Font* font, int32_t x, int32_t y) {
    const int32_t valueX = x + menu.getValueColumn();
    Bob* cursor = menu.getCursor();
    if (waiting != 0 && cursor != nullptr) {
        cursor->drawAt(screen, valueX - cursor->getWidth(), y - cursor->getHeight());
    }
    drawText(screen, font, keyName, valueX, y);
    MenuItem::drawItem(screen, font, x, y);
}

int32_t KeyMenuItem::roomBeforeValue() const {
    const Bob* cursor = menu.getCursor();
    return cursor != nullptr ? cursor->getWidth() : 0;
}

void KeyMenuItem::increase() {
    menu.setCapturing(true);
    waiting = 1;
    saved = binding;
    savedName = keyName;
    // Keys already queued, typed straight after Return, belong to this capture.
    menu.getDevices().pump();
}

void KeyMenuItem::keyDown(int32_t key) {
    if (waiting == 0) {
        return;
    }
    if (key == SDLK_ESCAPE) {
        cancel();
    } else {
        capture(Binding{key, Binding::kKeyboard});
    }
}

bool KeyMenuItem::capturePad(const Binding& padInput) {
    if (waiting == 0) {
        return false;
    }
    capture(padInput);
    return true;
}

bool KeyMenuItem::giveUpBinding(const Binding& taken, const Binding& given) {
    if (!(binding == taken)) {
        return false;
    }
    binding = given;
    keyName = shownNameOf(binding);
    return true;
}

std::string KeyMenuItem::shownNameOf(const Binding& binding) {
    const std::string name = BindingName::of(binding);
    return name.empty() ? kUnknownKeyName : name;
}

void KeyMenuItem::capture(const Binding& input) {
    binding = input;
    const std::string name = BindingName::of(input);
    if (name.empty()) {
        // A key nobody could read on the screen: try another.
        keyName = kUnknownKeyName;
        return;
    }
    keyName = name;
    stopWaiting();
    savedName.clear();
    menu.handOverBinding(*this, binding, saved);
    if (advance) {
        menu.captureNext();
    }
}

void KeyMenuItem::cancel() {
    binding = saved;
    keyName = savedName;
    stopWaiting();
}

void KeyMenuItem::stopWaiting() {
    waiting = 0;
    menu.setCapturing(false);
}
