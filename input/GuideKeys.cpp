#include "input/GuideKeys.h"

#include <SDL.h>
#include <algorithm>
#include <iterator>

#include "input/Joystick.h"
#include "input/Keyboard.h"
#include "store/KeyBindingFile.h"

static_assert(GuideKeys::kActionCount == KeyBindingFile::kBindingCount,
              "the file holds one binding per action");

namespace {
// The pad states of the default pad controls, in action order.
constexpr int32_t kPadDefaults[] = {PadState::kStickLeft, PadState::kStickRight, PadState::kStickUp,
                                    PadState::kStickDown, PadState::kFirstButtonState};
} // namespace

GuideKeys::GuideKeys(const char* name, int32_t player, const Keyboard& keyboard,
                     const Joystick& pads)
    : name(name != nullptr ? name : ""),
      padDevice(player == 1 ? Binding::kFirstPad : Binding::kSecondPad), keyboard(keyboard),
      pads(pads) {
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
    return b != nullptr && (held(*b) || padDefaultHeld(action));
}

bool GuideKeys::held(const Binding& b) const {
    // Keyboard and PadState check the range themselves, so a binding read
    // from a damaged file can never index outside their tables.
    if (b.device == Binding::kKeyboard) {
        return keyboard.isDown(b.key);
    }
    const PadState* pad = pads.forDevice(b.device);
    return pad != nullptr && pad->isOn(b.key);
}

bool GuideKeys::padDefaultHeld(int32_t action) const {
    if (action > kFire) {
        return false;
    }
    const Binding input{kPadDefaults[action], padDevice};
    // A pad input bound on purpose does what its binding says, and only that.
    return held(input) && !names(input) && (partner == nullptr || !partner->names(input));
}

bool GuideKeys::names(const Binding& b) const {
    return std::find(std::begin(bindings), std::end(bindings), b) != std::end(bindings);
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
