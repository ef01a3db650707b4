#include "input/PadNavigation.h"

#include <SDL.h>

#include "store/Binding.h"
#include "input/Focus.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"

int32_t PadNavigation::keyFor(int32_t state) {
    switch (state) {
    case PadState::kStickLeft:
        return SDLK_LEFT;
    case PadState::kStickRight:
        return SDLK_RIGHT;
    case PadState::kStickUp:
        return SDLK_UP;
    case PadState::kStickDown:
        return SDLK_DOWN;
    case PadState::kFirstButtonState:
        return SDLK_RETURN;
    case PadState::kFirstButtonState + 1:
        return SDLK_ESCAPE;
    default:
        return 0;
    }
}

void PadNavigation::deliver(const Joystick& pads, Keyboard* keyboard, Focus* focus) {
    for (int32_t index = 0; index < Joystick::kMaxPads; ++index) {
        const PadState& pad = pads.pad(index);
        for (int32_t state = 0; state < PadState::kStateCount; ++state) {
            if (!pad.pressedNow(state)) {
                continue;
            }
            // Read afresh for every press: a key sent may change the receiver.
            Focusable* receiver = focus != nullptr ? focus->current : nullptr;
            if (receiver != nullptr && receiver->padPressed(Binding::kFirstPad + index, state)) {
                break;
            }
            const int32_t key = keyFor(state);
            if (key != 0) {
                sendKey(key, keyboard, focus);
            }
        }
    }
}

// A tap of the key: latched as pressed, never left held, so a player
// holding the same key on the keyboard keeps holding it.
void PadNavigation::sendKey(int32_t key, Keyboard* keyboard, Focus* focus) {
    if (keyboard != nullptr) {
        const bool held = keyboard->isDown(key);
        keyboard->keyDown(key);
        if (!held) {
            keyboard->keyUp(key);
        }
    }
    Focusable* receiver = focus != nullptr ? focus->current : nullptr;
    if (receiver != nullptr) {
        receiver->keyDown(key);
        receiver->keyUp(key);
    }
}
