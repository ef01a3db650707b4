#pragma once

#include <SDL.h>
#include <cstdint>
#include <utility>
#include <vector>

#include "input/Devices.h"
#include "input/Focus.h"
#include "input/Interfaces.h"
#include "input/Joystick.h"
#include "input/Keyboard.h"

// Starts SDL's event queue and puts a fresh keyboard, joystick and focus in
// the globals for one test, restoring everything afterwards.
class InputDevices {
  public:
    InputDevices() : ok(SDL_Init(SDL_INIT_VIDEO) == 0) {
        keyboard = new Keyboard();
        joystick = new Joystick();
        inputFocus = new Focus();
    }
    ~InputDevices() {
        delete inputFocus;
        delete joystick;
        delete keyboard;
        inputFocus = nullptr;
        joystick = nullptr;
        keyboard = nullptr;
        SDL_Quit();
    }
    InputDevices(const InputDevices&) = delete;
    InputDevices& operator=(const InputDevices&) = delete;

    bool ok = false;
};

// Records what reaches it through the focus: keys down (as themselves) and
// up (negated), and the pad presses it takes while capturing.
class Receiver : public Focusable {
  public:
    void keyDown(int32_t key) override { keys.push_back(key); }
    void keyUp(int32_t key) override { keys.push_back(-key); }
    bool padPressed(int32_t device, int32_t state) override {
        if (capturing) {
            taken.emplace_back(device, state);
        }
        return capturing;
    }
    std::vector<int32_t> keys;
    std::vector<std::pair<int32_t, int32_t>> taken;
    bool capturing = false;
};

// Queues a real key event the way SDL would deliver it.
inline void pushKey(uint8_t type, int32_t key) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    SDL_PushEvent(&event);
}

// Key events as the game's pump delivers them: down, up, or one of each.
inline void press(int32_t key) {
    pushKey(SDL_KEYDOWN, key);
    pumpEvents();
}
inline void release(int32_t key) {
    pushKey(SDL_KEYUP, key);
    pumpEvents();
}
inline void tap(int32_t key) {
    pushKey(SDL_KEYDOWN, key);
    release(key);
}
