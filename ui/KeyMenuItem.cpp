#include "ui/KeyMenuItem.h"

#include <SDL.h>
#include <cstring>
#include <utility>

#include "gfx/Bob.h"
#include "input/Interfaces.h"
#include "ui/Menu.h"

namespace {
// What SDL answers for a key it has no name for.
constexpr const char* kSdlUnknownName = "unknown key";
} // namespace

KeyMenuItem::KeyMenuItem(Menu& menu, std::string label, std::string fileName, Binding& binding,
                         bool advance)
    : MenuItem(menu, std::move(label)), binding(binding), keyName(shownNameOf(binding.key)),
      fileName(std::move(fileName)), advance(advance) {}

void KeyMenuItem::drawItem(int32_t x, int32_t y) {
    const int32_t valueX = x + menu.getValueColumn();
    Bob* cursor = menu.getCursor();
    if (waiting != 0 && cursor != nullptr) {
        cursor->drawAt(valueX - cursor->getWidth(), y - cursor->getHeight());
    }
    drawText(keyName, valueX, y);
    MenuItem::drawItem(x, y);
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
    pumpEvents();
}

void KeyMenuItem::keyDown(int32_t key) {
    if (waiting == 0) {
        return;
    }
    if (key == SDLK_ESCAPE) {
        cancel();
    } else {
        capture(key);
    }
}

bool KeyMenuItem::giveUpBinding(const Binding& taken, const Binding& given) {
    if (!(binding == taken)) {
        return false;
    }
    binding = given;
    keyName = shownNameOf(binding.key);
    return true;
}

std::string KeyMenuItem::nameOf(int32_t key) {
    // A code outside SDL's range (from a damaged key file) is no SDLKey at
    // all; it cannot even be converted to one.
    if (key < 0 || key >= SDLK_LAST) {
        return "";
    }
    const char* name = SDL_GetKeyName(static_cast<SDLKey>(key));
    if (name == nullptr || std::strcmp(name, kSdlUnknownName) == 0) {
        return "";
    }
    return name;
}

std::string KeyMenuItem::shownNameOf(int32_t key) {
    const std::string name = nameOf(key);
    return name.empty() ? kUnknownKeyName : name;
}

void KeyMenuItem::capture(int32_t key) {
    binding = Binding{key, Binding::kKeyboard};
    const std::string name = nameOf(key);
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
