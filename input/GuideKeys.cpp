#include "input/GuideKeys.h"

#include <SDL.h>

#include "input/Devices.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "store/KeyBindingFile.h"

static_assert(GuideKeys::kActionCount == KeyBindingFile::kBindingCount,
              "the file holds one binding per action");

GuideKeys::GuideKeys(const char* name, int32_t player) : name(name != nullptr ? name : "") {
    defaultsFor(player, bindings);
    load();
}

void GuideKeys::defaultsFor(int32_t player, Binding* out) {
    static const int32_t firstPlayer[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_RCTRL};
    static const int32_t secondPlayer[] = {SDLK_a, SDLK_d, SDLK_w, SDLK_s, SDLK_LCTRL};
    const int32_t* keys = player == 1 ? firstPlayer : secondPlayer;
    for (int32_t i = 0; i < kActionCount; ++i) {
        // The three spare actions are bound to nothing a player can press.
        out[i] = Binding{i <= kFire ? keys[i] : SDLK_UNKNOWN, Binding::kKeyboard};
    }
}

bool GuideKeys::isActionDown(int32_t action) const {
    const Binding* b = binding(action);
    if (b == nullptr) {
        return false;
    }
    // Keyboard and Joystick check the range themselves, so a binding read
    // from a damaged file can never index outside their tables.
    if (b->device == Binding::kKeyboard) {
        return keyboard != nullptr && keyboard->isDown(b->key);
    }
    if (b->device == Binding::kJoystick) {
        return joystick != nullptr && joystick->isOn(b->key);
    }
    return false;
}

Binding* GuideKeys::binding(int32_t action) {
    return action >= 0 && action < kActionCount ? &bindings[action] : nullptr;
}

const Binding* GuideKeys::binding(int32_t action) const {
    return action >= 0 && action < kActionCount ? &bindings[action] : nullptr;
}

std::string GuideKeys::fileName() const {
    return name + "_sdl.dat";
}

bool GuideKeys::load() {
    return KeyBindingFile(fileName()).read(bindings);
}

bool GuideKeys::save() const {
    return KeyBindingFile(fileName()).write(bindings);
}
